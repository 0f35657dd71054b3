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

int AsteroidSpawner::draw(const SceneDraw& scene) {
    if (!scene.showerStarted) {
        return 0;
    }
    const Camera& camera = scene.camera;
    // A graphics card draws hidden rocks for less than it loses idling through the read-backs that find them.
    const bool skipHidden = scene.skipHidden && scene.renderer == RendererKind::Software;
    collectRocksInSight(camera, scene.cullingEnabled);
    // Rocks are opaque, so the order changes no pixel; nearest first lets the depth test turn away the hidden
    // parts of farther rocks before they are shaded.
    std::sort(rocksInSight.begin(), rocksInSight.end());
    const glm::mat4 lightViewProjection = scene.shadowMap.computeLightMVP(scene.light, true, glm::mat4(1.0f));
    if (skipHidden) {
        coverWithRocksAndGround(camera);
    }
    const std::size_t wave = skipHidden ? waveSize : rocksInSight.size();
    rocksSent = 0;
    for (std::size_t next = 0; next < rocksInSight.size();) {
        // Once nearer rocks are in the depth buffer, what it holds hides far more of the rest than the balls
        // inside the rocks do.
        if (next > 0) {
            depthReadback.read();
            occlusion.addDepths(depthReadback.depths, depthReadback.width, depthReadback.height);
        }
        next = collectUnhidden(next, wave, camera, skipHidden);
        rocksSent += static_cast<int>(visibleRocks.size());
        model->drawAll(visibleRocks, lightViewProjection, scene.shadowBlur, scene.renderer);
    }
    return static_cast<int>(rocksInSight.size());
}

// From the rocks in sight, starting at first, takes up to count that are not hidden; returns where it
// stopped.
std::size_t AsteroidSpawner::collectUnhidden(std::size_t first, std::size_t count, const Camera& camera,
                                             bool skipHidden) {
    const glm::mat4 viewProjection = camera.viewProjection();
    visibleRocks.clear();
    std::size_t next = first;
    for (; next < rocksInSight.size() && visibleRocks.size() < count; ++next) {
        const glm::mat4& modelMatrix = rocksInSight[next].second->modelMatrix;
        if (!skipHidden || !occlusion.hides(translationOf(modelMatrix), model->bounds.outerRadius)) {
            visibleRocks.push_back(Scene::AsteroidModel::instanceOf(modelMatrix, viewProjection));
        }
    }
    return next;
}

// In a dense shower most rocks in sight lie behind nearer ones or behind the planet; the solid ball inside
// each rock marks what it surely hides.
void AsteroidSpawner::coverWithRocksAndGround(const Camera& camera) {
    occlusion.begin(glm::inverse(camera.worldTransform), camera.projection);
    occlusion.addOccluder(glm::vec3(0.0f), groundRadius);
    for (const auto& rock : rocksInSight) {
        occlusion.addOccluder(translationOf(rock.second->modelMatrix), model->bounds.innerRadius);
    }
}

void AsteroidSpawner::collectRocksInSight(const Camera& camera, bool cullingEnabled) {
    const glm::vec3 eye = camera.position();
    rocksInSight.clear();
    shower->forEachInPlay([&](const Asteroid& asteroid) {
        // Asteroids out of sight are skipped before any matrix is computed.
        if (model->isInViewFrustum(*camera.frustum, asteroid.modelMatrix, cullingEnabled)) {
            const glm::vec3 offset = translationOf(asteroid.modelMatrix) - eye;
            rocksInSight.emplace_back(glm::dot(offset, offset), &asteroid);
        }
    });
}

bool AsteroidSpawner::checkAsteroidHits(Player& player) {
    return shower->checkHits(player.position(), player.shieldActive, player.lives);
}

void AsteroidSpawner::addSamplingTextures(std::vector<const Texture*>& textures) const {
    textures.push_back(texture.get());
}

void AsteroidSpawner::addModels(std::vector<Scene::SceneObject*>& models) const {
    models.push_back(model.get());
}

std::function<void()> AsteroidSpawner::keepState() {
    return [this, kept = *shower] { *shower = kept; };
}

} // namespace Velmora
