#pragma once

#include "render/material.hpp"
#include "render/point_light_arrays.hpp"
#include "render/shader.hpp"
#include "render/texture.hpp"
#include "world/obstacle_positions.hpp"
#include "world/player_model.hpp"
#include "world/player_pose.hpp"
#include "world/world_object.hpp"

#include <array>
#include <functional>
#include <glm/glm.hpp>
#include <memory>
#include <vector>

namespace Velmora {

class ShadowMap;

// The character: eight body parts that always move together (only the limbs swing on their own), their
// textures, programs and materials, and the player's game values. Its position is the translation of the
// body's model matrix.
class Player : public WorldObject {
public:
    Player();
    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;

    void uploadMaterialAndLights(PointLightArrays lights) override;
    void update(const FrameUniforms& frame) override;
    void updateShadowMatrices(const glm::vec3& light, const ShadowMap& shadowMap) override;
    void drawShadows() override;
    // Draws every part; returns how many.
    int draw(const SceneDraw& scene) override;
    void addSamplingTextures(std::vector<const Texture*>& textures) const override;
    void addModels(std::vector<Scene::SceneObject*>& models) const override;
    std::function<void()> keepState() override;

    // As created: three lives, the start speed, no shield, every part at its start place, the limbs unswung.
    void restart();

    glm::vec3 position() const;
    // The textures whose filtering the sampling keys change; the shield's metal keeps its own.
    std::vector<const Texture*> samplingTextures() const;

    // Each step turns the whole character about an axis through the planet's centre and writes that axis out,
    // so that the camera can follow by the same rotation.
    void moveForward(glm::vec3& axis, const glm::vec3& cameraPosition, float signedSpeed, double frameTime,
                     const ObstaclePositions& obstacles);
    void moveSideways(glm::vec3& axis, const glm::vec3& cameraPosition, float signedSpeed, double frameTime,
                      const ObstaclePositions& obstacles);
    void moveDiagonally(glm::vec3& axis, const glm::vec3& cameraPosition, int directionCode, float speed,
                        double frameTime, const ObstaclePositions& obstacles);

    // Every part in body-part order, the order of every loop over the character.
    std::array<Scene::PlayerModel*, 8> parts() const;

    static constexpr int startLives = 3;
    static constexpr float startSpeed = 40.0f;
    int lives = startLives;
    float speed = startSpeed;
    bool shieldActive = false;
    double swingAngle = 0.0;
    int swingDirection = 1;
    // Released from the bottom up: textures and materials first although the parts still point at them, since
    // nothing is drawn any more and the parts never release what they only refer to; then the programs and
    // the parts.
    std::unique_ptr<Scene::PlayerModel> head;
    std::unique_ptr<Scene::PlayerModel> eye;
    std::unique_ptr<Scene::PlayerModel> eyeBall;
    std::unique_ptr<Scene::PlayerModel> body;
    std::unique_ptr<Scene::PlayerModel> armLeft;
    std::unique_ptr<Scene::PlayerModel> armRight;
    std::unique_ptr<Scene::PlayerModel> footLeft;
    std::unique_ptr<Scene::PlayerModel> footRight;
    std::array<std::unique_ptr<Shader>, 8> partShaders;
    std::unique_ptr<Material> eyeMaterial;
    std::unique_ptr<Material> skinMaterial;
    std::unique_ptr<Texture> metalTexture;
    std::unique_ptr<Texture> shoeTexture;
    std::unique_ptr<Texture> bodyTexture;
    std::unique_ptr<Texture> eyeBallTexture;
    std::unique_ptr<Texture> eyeTexture;
    std::unique_ptr<Texture> skinTexture;

private:
    void loadTextures();
    void createMaterials();
    void createParts();
    // The walk itself is GL-free: each step reads the parts' placements, walks them and writes them back.
    PlayerPose pose() const;
    void takePose(const PlayerPose& walked);
};

} // namespace Velmora
