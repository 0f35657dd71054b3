#include "world/asteroid_spawner.hpp"

#include "math/camera.hpp"
#include "render/shadow_map.hpp"
#include "world/player.hpp"

#include <utility>

namespace Velmora {

AsteroidSpawner::AsteroidSpawner(double asteroidSpawnRate, double asteroidSpawnDuration) {
    texture = std::make_unique<Texture>("Textures/AsteroidTexture.png");
    material =
        std::make_unique<Material>(Material{glm::vec3(0.25f), glm::vec3(0.75f), glm::vec3(1.0f), 80.0f});
    shader = std::make_unique<Shader>("Shaders/celShader.vert", "Shaders/celShaderAsteroid.frag");
    model =
        std::make_unique<Scene::AsteroidModel>(glm::mat4(1.0f), shader.get(), "SceneObjects/Asteroid.obj");
    model->material = material.get();
    model->colorTexture = texture.get();
    shower = std::make_unique<AsteroidShower>(asteroidSpawnRate, asteroidSpawnDuration);
}

AsteroidSpawner::~AsteroidSpawner() {
    shower->asteroidList.clear();
    model.reset();
    shader.reset();
    texture.reset();
    material.reset();
    shower.reset();
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
    const glm::mat4 viewProjection = camera.viewProjection();
    const glm::mat4 lightViewProjection = shadowMap.computeLightMVP(light, true, glm::mat4(1.0f));
    int drawn = 0;
    for (const auto& asteroid : shower->asteroidList) {
        if (!asteroid->inPlay()) {
            continue;
        }
        model->modelMatrix = asteroid->modelMatrix;
        // Asteroids out of sight are skipped before any matrix is computed.
        if (!model->isInViewFrustum(*camera.frustum, cullingEnabled)) {
            continue;
        }
        ++drawn;
        model->setMatrices(viewProjection, lightViewProjection);
        model->draw(&shadowBlur);
    }
    return drawn;
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
