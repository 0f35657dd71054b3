#include "world/power_up.hpp"

#include "math/world_transforms.hpp"
#include "platform/sound.hpp"
#include "world/decoration_items.hpp"
#include "world/player.hpp"
#include "world/power_up_rules.hpp"

#include <utility>

namespace Velmora::Logicals {

PowerUp::PowerUp(const std::string& texturePath) {
    shader = std::make_unique<Shader>("Shaders/celShader.vert", "Shaders/celShaderPowerUp.frag");
    texture = std::make_unique<Texture>(texturePath);
    material =
        std::make_unique<Material>(Material{glm::vec3(0.5f), glm::vec3(0.8f), glm::vec3(10.0f), 50.0f});
    model = std::make_unique<Scene::PowerUpModel>(glm::mat4(1.0f), shader.get(), "SceneObjects/PowerUp.obj");
    model->material = material.get();
    model->colorTexture = texture.get();
}

void PowerUp::rollSpawn(double deltaTime, const Player& player, const DecorationItems& decorationItems) {
    if (!spawned && PowerUpRules::spawnRollSucceeds(deltaTime, spawnRate)) {
        spawned = true;
        placeOnPlanet(player, decorationItems);
    }
}

void PowerUp::placeOnPlanet(const Player& player, const DecorationItems& decorationItems) {
    PowerUpRules::placeAtFreeSpot(model->modelMatrix, player.position(), decorationItems.obstaclePositions());
    bobOffset = 0.0;
}

void PowerUp::restart() {
    spawned = false;
    collected = false;
    bobOffset = 0.0;
    bobDirection = 1;
}

void PowerUp::uploadMaterialAndLights(PointLightArrays lights) {
    model->setMaterialAndLights(std::move(lights));
}

void PowerUp::update(const FrameUniforms& frame) {
    if (!isVisible()) {
        return;
    }
    model->setFrameUniforms(frame.light, frame.camera, frame.shadowMap);
    PowerUpRules::bob(model->modelMatrix, bobOffset, bobDirection, frame.stepTime);
}

void PowerUp::drawShadows() {
    if (isVisible()) {
        model->drawShadow();
    }
}

int PowerUp::draw(const SceneDraw& scene) {
    if (!isVisible()) {
        return 0;
    }
    model->draw(&scene.shadowBlur);
    return 1;
}

void PowerUp::addModels(std::vector<Scene::SceneObject*>& models) const {
    models.push_back(model.get());
}

std::function<void()> PowerUp::keepState() {
    return [this, matrix = model->modelMatrix, keptSpawned = spawned, keptCollected = collected,
            keptRate = spawnRate, keptOffset = bobOffset, keptDirection = bobDirection] {
        model->modelMatrix = matrix;
        spawned = keptSpawned;
        collected = keptCollected;
        spawnRate = keptRate;
        bobOffset = keptOffset;
        bobDirection = keptDirection;
    };
}

glm::vec3 PowerUp::position() const {
    return translationOf(model->modelMatrix);
}

bool PowerUp::pickUpBy(const Player& player) {
    if (!isVisible() || !PowerUpRules::isWithinReach(position(), player.position())) {
        return false;
    }
    playSound("Sounds/ItemCollect.wav");
    return true;
}

void PowerUp::startEffect(double& effectTime) {
    effectTime = 0.0;
    collected = true;
}

bool PowerUp::effectEnds(double& effectTime, double effectDuration, double deltaTime) {
    effectTime += deltaTime;
    if (effectTime > effectDuration) {
        spawned = false;
        collected = false;
        return true;
    }
    return false;
}

void PowerUp::updateShadowMatrices(const glm::vec3& light, const ShadowMap& shadowMap) {
    model->followLight(light, shadowMap);
}

} // namespace Velmora::Logicals
