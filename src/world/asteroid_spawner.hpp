#pragma once

#include "math/occlusion_grid.hpp"
#include "render/depth_readback.hpp"
#include "render/material.hpp"
#include "render/point_light_arrays.hpp"
#include "render/shader.hpp"
#include "render/texture.hpp"
#include "world/asteroid_model.hpp"
#include "world/asteroid_shower.hpp"
#include "world/world_object.hpp"

#include <cstddef>
#include <functional>
#include <glm/glm.hpp>
#include <memory>
#include <utility>
#include <vector>

namespace Velmora {

class Camera;
class Player;

// The asteroid shower as the game shows it: one mesh, texture, program and material serve every asteroid,
// and the asteroids in play that can be seen go out in instanced draws, those wholly hidden left out.
// Asteroids receive shadows but cast none.
class AsteroidSpawner : public WorldObject {
public:
    AsteroidSpawner(double asteroidSpawnRate, double asteroidSpawnDuration);
    AsteroidSpawner(const AsteroidSpawner&) = delete;
    AsteroidSpawner& operator=(const AsteroidSpawner&) = delete;

    void uploadMaterialAndLights(PointLightArrays lights) override;
    // Moves the shower on by one frame and sends the light and camera uniforms, which every asteroid drawn in
    // this frame shares; the per-step update of the other objects is empty for them.
    void update(const glm::vec3& light, double frameTime, const Camera& camera);
    using WorldObject::update;
    // Draws the asteroids in play that can be seen, nearest first; returns how many are in sight, counting
    // those left out because nearer rocks or the ground hide them wholly; only a software renderer looks for
    // hidden rocks, since finding them takes read-backs of the depth buffer, which a graphics card must stop
    // for. Nothing falls, and so nothing is drawn, before the shower starts.
    int draw(const SceneDraw& scene) override;
    // True exactly when a hit has just taken the player's last life.
    bool checkAsteroidHits(Player& player);

    // Rocks are closed and opaque, so their back faces can always go.
    FaceCulling faceCulling() const override { return FaceCulling::ClosedMesh; }
    void addSamplingTextures(std::vector<const Texture*>& textures) const override;
    void addModels(std::vector<Scene::SceneObject*>& models) const override;
    std::function<void()> keepState() override;

    // Released from the bottom up: the mesh, its program, texture and material, and last the rocks
    // themselves.
    std::unique_ptr<AsteroidShower> shower;
    std::unique_ptr<Material> material;
    std::unique_ptr<Texture> texture;
    std::unique_ptr<Shader> shader;
    std::unique_ptr<Scene::AsteroidModel> model;
    // The rocks of the frame's draw with their squared distances from the camera, then their instances, kept
    // between frames so that their storage is taken only once.
    std::vector<std::pair<float, const Asteroid*>> rocksInSight;
    std::vector<Scene::AsteroidModel::Instance> visibleRocks;
    // Rocks not yet found hidden that go out before the depth buffer is read back to find what they hide:
    // each read stalls the drawing threads for a few milliseconds, each wave of rocks sent blind costs more.
    static constexpr std::size_t waveSize = 500;
    // How many rocks the last draw sent, the hidden ones left out.
    int rocksSent = 0;
    // A ball about the world's centre that is solid ground throughout, hiding the rocks behind it.
    float groundRadius = 0.0f;

private:
    void collectRocksInSight(const Camera& camera, bool cullingEnabled);
    void coverWithRocksAndGround(const Camera& camera);
    std::size_t collectUnhidden(std::size_t first, std::size_t count, const Camera& camera, bool skipHidden);

    // About eight by eight pixels of the scene a tile.
    OcclusionGrid occlusion{224, 128};
    DepthReadback depthReadback;
};

} // namespace Velmora
