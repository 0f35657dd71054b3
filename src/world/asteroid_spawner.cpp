#include "world/asteroid_spawner.hpp"

#include "math/camera.hpp"
#include "math/world_transforms.hpp"
#include "render/shadow_map.hpp"
#include "world/player.hpp"

#include <algorithm>
#include <utility>

namespace Velmora {

AsteroidSpawner::AsteroidSpawner(double asteroidSpawnRate, double asteroidSpawnDuration) {
    texture = std::make_unique<Texture>("Textures/AsteroidTexture.png");
    material =
        std::make_unique<Material>(Material{glm::vec3(0.25f), glm::vec3(0.75f), glm::vec3(1.0f), 80.0f});
    shader = std::make_unique<Shader>("Shaders/celShaderAsteroid.vert", "Shaders/celShaderAsteroid.frag");
    model =
        std::make_unique<Scene::AsteroidModel>(glm::mat4(1.0f), shader.get(), "SceneObjects/Asteroid.obj");
    model->material = material.get();
    model->colorTexture = texture.get();
    shower = std::make_unique<AsteroidShower>(asteroidSpawnRate, asteroidSpawnDuration);
}

void AsteroidSpawner::uploadMaterialAndLights(PointLightArrays lights) {
    model->setMaterialAndLights(std::move(lights));
}

void AsteroidSpawner::update(const glm::vec3& light, double frameTime, const Camera& camera) {
    shower->advance(frameTime);
    model->setLightAndCamera(light, camera);
}

int AsteroidSpawner::draw(const glm::vec3& light, const Camera& camera, bool cullingEnabled,
                          const ShadowMap& shadowMap, const ShadowBlur& shadowBlur) {
    collectRocksInSight(camera, cullingEnabled);
    // Rocks are opaque, so the order changes no pixel; nearest first lets the depth test turn away the hidden
    // parts of farther rocks before they are shaded.
    std::sort(rocksInSight.begin(), rocksInSight.end());
    const glm::mat4 viewProjection = camera.viewProjection();
    visibleRocks.clear();
    for (const auto& rock : rocksInSight) {
        visibleRocks.push_back(Scene::AsteroidModel::instanceOf(rock.second->modelMatrix, viewProjection));
    }
    model->drawAll(visibleRocks, shadowMap.computeLightMVP(light, true, glm::mat4(1.0f)), shadowBlur);
    return static_cast<int>(visibleRocks.size());
}

void AsteroidSpawner::collectRocksInSight(const Camera& camera, bool cullingEnabled) {
    const glm::vec3 eye = camera.position();
    rocksInSight.clear();
    shower->forEachInPlay([&](const Asteroid& asteroid) {
        model->modelMatrix = asteroid.modelMatrix;
        // Asteroids out of sight are skipped before any matrix is computed.
        if (model->isInViewFrustum(*camera.frustum, cullingEnabled)) {
            const glm::vec3 offset = translationOf(asteroid.modelMatrix) - eye;
            rocksInSight.emplace_back(glm::dot(offset, offset), &asteroid);
        }
    });
}

bool AsteroidSpawner::checkAsteroidHits(Player& player) {
    return shower->checkHits(player.position(), player.shieldActive, player.lives);
}

int AsteroidSpawner::drawScene(const SceneDraw& scene) {
    if (!scene.showerStarted) {
        return 0;
    }
    return draw(scene.light, scene.camera, scene.cullingEnabled, scene.shadowMap, scene.shadowBlur);
}

void AsteroidSpawner::addSamplingTextures(std::vector<const Texture*>& textures) const {
    textures.push_back(texture.get());
}

} // namespace Velmora
