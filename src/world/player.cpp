#include "world/player.hpp"

#include "math/camera.hpp"
#include "math/world_transforms.hpp"
#include "render/shadow_blur.hpp"
#include "world/player_pose.hpp"

#include <string>

namespace Velmora {
namespace {

std::unique_ptr<Material> makeMaterial(const glm::vec3& specular, float shininess) {
    auto material = std::make_unique<Material>();
    material->ambientFactor = glm::vec3(0.2f, 0.2f, 0.2f);
    material->diffuseFactor = glm::vec3(0.8f, 0.8f, 0.8f);
    material->specularFactor = specular;
    material->shininess = shininess;
    return material;
}

} // namespace

Player::Player() {
    loadTextures();
    createMaterials();
    for (std::unique_ptr<Shader>& partShader : partShaders) {
        partShader = std::make_unique<Shader>("Shaders/celShader.vert", "Shaders/celShader.frag");
    }
    createParts();
    restart();
}

void Player::restart() {
    lives = startLives;
    speed = startSpeed;
    shieldActive = false;
    swingAngle = 0.0;
    swingDirection = 1;
    for (Scene::PlayerModel* part : parts()) {
        part->placeAtStart();
    }
}

void Player::loadTextures() {
    skinTexture = std::make_unique<Texture>("Textures/PlayerSkinTexture.png");
    eyeBallTexture = std::make_unique<Texture>("Textures/PlayerEyeBallTexture.png");
    eyeTexture = std::make_unique<Texture>("Textures/PlayerEyeTexture.png");
    bodyTexture = std::make_unique<Texture>("Textures/PlayerBodyTexture.png");
    shoeTexture = std::make_unique<Texture>("Textures/PlayerShoeTexture.png");
    metalTexture = std::make_unique<Texture>("Textures/MetalTexture.png");
}

void Player::createMaterials() {
    skinMaterial = makeMaterial(glm::vec3(1.0f, 1.0f, 1.0f), 50.0f);
    eyeMaterial = makeMaterial(glm::vec3(10.0f, 10.0f, 10.0f), 5.0f);
}

void Player::createParts() {
    auto makePart = [this](int index, Texture* texture, Material* material, const std::string& meshPath) {
        return std::make_unique<Scene::PlayerModel>(glm::mat4(1.0f), partShaders[index].get(), texture,
                                                    metalTexture.get(), material, meshPath);
    };
    head = makePart(0, skinTexture.get(), skinMaterial.get(), "SceneObjects/Player_Head.obj");
    eye = makePart(1, eyeTexture.get(), eyeMaterial.get(), "SceneObjects/Player_Eye.obj");
    eyeBall = makePart(2, eyeBallTexture.get(), eyeMaterial.get(), "SceneObjects/Player_EyeBall.obj");
    body = makePart(3, bodyTexture.get(), skinMaterial.get(), "SceneObjects/Player_Body.obj");
    armLeft = makePart(4, skinTexture.get(), skinMaterial.get(), "SceneObjects/Player_Arm_Left.obj");
    armRight = makePart(5, skinTexture.get(), skinMaterial.get(), "SceneObjects/Player_Arm_Right.obj");
    footLeft = makePart(6, shoeTexture.get(), skinMaterial.get(), "SceneObjects/Player_Foot_Left.obj");
    footRight = makePart(7, shoeTexture.get(), skinMaterial.get(), "SceneObjects/Player_Foot_Right.obj");
}

std::array<Scene::PlayerModel*, 8> Player::parts() const {
    return {head.get(),    eye.get(),      eyeBall.get(),  body.get(),
            armLeft.get(), armRight.get(), footLeft.get(), footRight.get()};
}

void Player::uploadMaterialAndLights(PointLightArrays lights) {
    for (Scene::PlayerModel* part : parts()) {
        part->setMaterialAndLights(lights);
    }
}

void Player::update(const FrameUniforms& frame) {
    for (Scene::PlayerModel* part : parts()) {
        part->setFrameUniforms(frame.light, frame.camera, frame.shadowMap);
    }
}

void Player::updateShadowMatrices(const glm::vec3& light, const ShadowMap& shadowMap) {
    for (Scene::PlayerModel* part : parts()) {
        part->followLight(light, shadowMap);
    }
}

void Player::drawShadows() {
    for (Scene::PlayerModel* part : parts()) {
        part->drawShadow();
    }
}

int Player::draw(const SceneDraw& scene) {
    const std::array<Scene::PlayerModel*, 8> models = parts();
    for (Scene::PlayerModel* part : models) {
        part->drawPart(scene.shadowBlur, shieldActive);
    }
    return static_cast<int>(models.size());
}

glm::vec3 Player::position() const {
    return translationOf(body->modelMatrix);
}

std::vector<const Texture*> Player::samplingTextures() const {
    return {eyeTexture.get(), eyeBallTexture.get(), skinTexture.get(), bodyTexture.get(), shoeTexture.get()};
}

void Player::moveForward(glm::vec3& axis, const glm::vec3& cameraPosition, float signedSpeed,
                         double frameTime, const ObstaclePositions& obstacles) {
    PlayerPose walked = pose();
    axis = walked.moveForward(cameraPosition, signedSpeed, frameTime, obstacles);
    takePose(walked);
}

void Player::moveSideways(glm::vec3& axis, const glm::vec3& cameraPosition, float signedSpeed,
                          double frameTime, const ObstaclePositions& obstacles) {
    PlayerPose walked = pose();
    axis = walked.moveSideways(cameraPosition, signedSpeed, frameTime, obstacles);
    takePose(walked);
}

void Player::moveDiagonally(glm::vec3& axis, const glm::vec3& cameraPosition, int directionCode, float speed,
                            double frameTime, const ObstaclePositions& obstacles) {
    PlayerPose walked = pose();
    axis = walked.moveDiagonally(cameraPosition, directionCode, speed, frameTime, obstacles);
    takePose(walked);
}

PlayerPose Player::pose() const {
    PlayerPose current;
    const std::array<Scene::PlayerModel*, 8> models = parts();
    for (size_t i = 0; i < models.size(); ++i) {
        current.parts[i] = models[i]->transform();
    }
    current.swingAngle = swingAngle;
    current.swingDirection = swingDirection;
    return current;
}

void Player::takePose(const PlayerPose& walked) {
    const std::array<Scene::PlayerModel*, 8> models = parts();
    for (size_t i = 0; i < models.size(); ++i) {
        models[i]->setTransform(walked.parts[i]);
    }
    swingAngle = walked.swingAngle;
    swingDirection = walked.swingDirection;
}

void Player::addSamplingTextures(std::vector<const Texture*>& textures) const {
    const std::vector<const Texture*> own = samplingTextures();
    textures.insert(textures.end(), own.begin(), own.end());
}

void Player::addModels(std::vector<Scene::SceneObject*>& models) const {
    const std::array<Scene::PlayerModel*, 8> own = parts();
    models.insert(models.end(), own.begin(), own.end());
}

std::function<void()> Player::keepState() {
    return [this, walk = pose(), keptLives = lives, keptSpeed = speed, keptShield = shieldActive] {
        takePose(walk);
        lives = keptLives;
        speed = keptSpeed;
        shieldActive = keptShield;
    };
}

} // namespace Velmora
