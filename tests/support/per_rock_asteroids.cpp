#include "support/per_rock_asteroids.hpp"

#include "math/camera.hpp"
#include "render/shadow_map.hpp"

#include <utility>

namespace TestSupport {

PerRockAsteroids::PerRockAsteroids(const Velmora::AsteroidSpawner& spawner, Velmora::PointLightArrays lights)
    : shader("Shaders/celShader.vert", "Shaders/celShaderAsteroid.frag"),
      model(glm::mat4(1.0f), &shader, "SceneObjects/Asteroid.obj",
            Velmora::Scene::LitModel::MatrixUpload::PerFrameOnly) {
    model.colorTexture = spawner.texture.get();
    model.material = spawner.material.get();
    model.setMaterialAndLights(std::move(lights));
}

int PerRockAsteroids::draw(const Velmora::AsteroidShower& shower, const glm::vec3& light,
                           const Velmora::Camera& camera, bool cullingEnabled,
                           const Velmora::ShadowMap& shadowMap, const Velmora::ShadowBlur& shadowBlur) {
    model.setLightAndCamera(light, camera);
    const glm::mat4 lightViewProjection = shadowMap.computeLightMVP(light, true, glm::mat4(1.0f));
    int drawn = 0;
    shower.forEachInPlay([&](const Velmora::Asteroid& asteroid) {
        model.modelMatrix = asteroid.modelMatrix;
        if (model.isInViewFrustum(*camera.frustum, model.modelMatrix, cullingEnabled)) {
            ++drawn;
            model.setMatrices(camera.viewProjection(), lightViewProjection);
            model.draw(&shadowBlur);
        }
    });
    return drawn;
}

} // namespace TestSupport
