#include "world/player.hpp"

#include "math/camera.hpp"
#include "math/world_transforms.hpp"
#include "postfx/shadow_blur.hpp"
#include "postfx/shadow_map.hpp"
#include "world/player_walk.hpp"

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
    for (Scene::PlayerModel* part : parts()) {
        part->placeAtStart();
    }
}

// Textures and materials go first although the parts still point at them: nothing is drawn any more, and the
// parts never release what they only refer to.
Player::~Player() {
    skinTexture.reset();
    eyeTexture.reset();
    eyeBallTexture.reset();
    bodyTexture.reset();
    shoeTexture.reset();
    metalTexture.reset();
    skinMaterial.reset();
    eyeMaterial.reset();
    for (std::unique_ptr<Shader>& partShader : partShaders) {
        partShader.reset();
    }
    head.reset();
    eye.reset();
    eyeBall.reset();
    body.reset();
    armLeft.reset();
    armRight.reset();
    footLeft.reset();
    footRight.reset();
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

void Player::updateUniforms(const glm::vec3& light, const Camera& camera, const ShadowMap& shadowMap) {
    for (Scene::PlayerModel* part : parts()) {
        part->setFrameUniforms(light, camera, shadowMap);
    }
}

void Player::updateShadowUniforms(const glm::vec3& light, const ShadowMap& shadowMap) {
    for (Scene::PlayerModel* part : parts()) {
        part->setShadowLightMatrix(shadowMap.computeLightMVP(light, false, part->modelMatrix));
    }
}

void Player::drawShadows() {
    for (Scene::PlayerModel* part : parts()) {
        part->drawShadow();
    }
}

void Player::draw(const ShadowBlur& shadowBlur) {
    for (Scene::PlayerModel* part : parts()) {
        part->drawPart(shadowBlur, shieldActive);
    }
}

glm::vec3 Player::position() const {
    return translationOf(body->modelMatrix);
}

std::vector<const Texture*> Player::samplingTextures() const {
    return {eyeTexture.get(), eyeBallTexture.get(), skinTexture.get(), bodyTexture.get(), shoeTexture.get()};
}

void Player::moveForward(glm::vec3& axis, const glm::vec3& cameraPosition, float signedSpeed,
                         double frameTime, const ObstaclePositions& obstacles) {
    animateWalk(frameTime);
    const glm::vec3 stepAxis = forwardAxis(position(), cameraPosition, obstacles, signedSpeed);
    stepAndTurn(stepAxis, signedSpeed, frameTime);
    axis = stepAxis;
}

void Player::moveSideways(glm::vec3& axis, const glm::vec3& cameraPosition, float signedSpeed,
                          double frameTime, const ObstaclePositions& obstacles) {
    animateWalk(frameTime);
    const glm::vec3 stepAxis = sidewaysAxis(position(), cameraPosition, obstacles, signedSpeed);
    stepAndTurn(stepAxis, signedSpeed, frameTime);
    axis = stepAxis;
}

void Player::moveDiagonally(glm::vec3& axis, const glm::vec3& cameraPosition, int directionCode, float speed,
                            double frameTime, const ObstaclePositions& obstacles) {
    animateWalk(frameTime);
    const glm::vec3 stepAxis = diagonalAxis(position(), cameraPosition, directionCode, obstacles, speed);
    stepAndTurn(stepAxis, speed, frameTime);
    axis = stepAxis;
}

void Player::animateWalk(double frameTime) {
    const SwingStep swing = advanceSwing(swingAngle, swingDirection, frameTime);
    footLeft->swingInModel(glm::vec3(1.0f, 0.0f, 0.0f), swing.footAngle);
    footRight->swingInModel(glm::vec3(1.0f, 0.0f, 0.0f), -swing.footAngle);
    armLeft->swingInModel(glm::vec3(0.0f, 0.0f, 1.0f), swing.armAngle);
    armRight->swingInModel(glm::vec3(0.0f, 0.0f, 1.0f), -swing.armAngle);
}

// All parts share one position, so turning each about its own position vector turns the character on the
// spot.
void Player::stepAndTurn(const glm::vec3& axis, float signedSpeed, double frameTime) {
    for (Scene::PlayerModel* part : parts()) {
        part->rotateInWorld(axis, signedSpeed, frameTime);
    }
    const float rate = turnRate(body->transform(), axis, signedSpeed, frameTime);
    for (Scene::PlayerModel* part : parts()) {
        part->rotateInWorld(translationOf(part->modelMatrix), rate, frameTime);
    }
}

} // namespace Velmora
