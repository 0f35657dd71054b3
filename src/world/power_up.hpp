#pragma once

#include "render/material.hpp"
#include "render/point_light_arrays.hpp"
#include "render/shader.hpp"
#include "render/texture.hpp"
#include "world/power_up_model.hpp"
#include "world/world_object.hpp"

#include <functional>
#include <glm/glm.hpp>
#include <memory>
#include <string>
#include <vector>

namespace Velmora {

class DecorationItems;
class Player;
class ShadowMap;

namespace Logicals {

// One collectable item and its effect on the player. The item is absent, lying on the planet (drawn, bobbing,
// collectable) or, for the kinds with a timed effect, active: collected and no longer drawn until the effect
// ends. Only absent items roll to spawn, so effects never stack.
class PowerUp : public WorldObject {
public:
    explicit PowerUp(const std::string& texturePath);
    PowerUp(const PowerUp&) = delete;
    PowerUp& operator=(const PowerUp&) = delete;
    virtual ~PowerUp() = default;

    // On contact with a lying item: the chime and the start of the effect.
    virtual void checkCollect(Player& player) = 0;
    // Advances a running effect and ends it once it has lasted longer than its duration.
    virtual void updateEffect(Player& player, double deltaTime) = 0;

    // This frame's chance to appear while absent.
    void rollSpawn(double deltaTime, const Player& player, const DecorationItems& decorationItems);
    void placeOnPlanet(const Player& player, const DecorationItems& decorationItems);
    // Absent as created, with no effect running; what the effect changed on the player is the player's to
    // undo.
    void restart();
    void uploadMaterialAndLights(PointLightArrays lights) override;
    // The frame uniforms of the place it had before this step's bob, then the bob; only while lying.
    void update(const FrameUniforms& frame) override;
    void updateShadowMatrices(const glm::vec3& light, const ShadowMap& shadowMap) override;
    // Only while lying.
    void drawShadows() override;
    // Returns how many objects it drew: 1 while lying, else 0.
    int draw(const SceneDraw& scene) override;
    FaceCulling faceCulling() const override { return FaceCulling::ClosedMesh; }
    void addModels(std::vector<Scene::SceneObject*>& models) const override;
    std::function<void()> keepState() override;
    bool isVisible() const { return spawned && !collected; }
    glm::vec3 position() const;

    // Released from the bottom up: the program, then the texture and the material before the mesh that
    // referred to them.
    std::unique_ptr<Scene::PowerUpModel> model;
    std::unique_ptr<Material> material;
    std::unique_ptr<Texture> texture;
    std::unique_ptr<Shader> shader;
    bool spawned = false;
    bool collected = false;
    float spawnRate = 0.0f;
    double bobOffset = 0.0;
    int bobDirection = 1;

protected:
    // A lying item within the player's reach: plays the chime and reports the pick-up.
    bool pickUpBy(const Player& player);
    // Starts a timed effect: the item stays spawned but is no longer drawn.
    void startEffect(double& effectTime);
    // True on the frame the effect outlasts its duration; the item is absent again from then on.
    bool effectEnds(double& effectTime, double effectDuration, double deltaTime);
};

} // namespace Logicals
} // namespace Velmora
