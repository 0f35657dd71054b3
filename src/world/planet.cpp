#include "world/planet.hpp"

#include "math/camera.hpp"
#include "math/mesh_bounds.hpp"

#include <utility>

namespace Velmora {

Planet::Planet() {
    shader = std::make_unique<Shader>("Shaders/celShader.vert", "Shaders/celShader.frag");
    texture = std::make_unique<Texture>("Textures/GrassTexture.png");
    material = std::make_unique<Material>(Material{glm::vec3(0.2f), glm::vec3(0.8f), glm::vec3(1.0f), 50.0f});
    model = std::make_unique<Scene::PlanetModel>(glm::mat4(1.0f), shader.get(), "SceneObjects/Planet.obj");
    model->colorTexture = texture.get();
    model->material = material.get();
    occluder = std::make_unique<PlanetOccluder>();
}

void Planet::uploadMaterialAndLights(PointLightArrays lights) {
    model->setMaterialAndLights(std::move(lights));
}

void Planet::update(const FrameUniforms& frame) {
    model->setFrameUniforms(frame.light, frame.camera, frame.shadowMap);
    occluder->update(frame.camera.viewProjection() * model->modelMatrix);
}

float Planet::solidRadius() const {
    return MeshBounds::of(model->positions, model->indices).innerRadius;
}

void Planet::updateShadowMatrices(const glm::vec3& light, const ShadowMap& shadowMap) {
    model->followLight(light, shadowMap);
}

void Planet::drawShadows() {
    model->drawShadow();
}

int Planet::draw(const SceneDraw& scene) {
    model->draw(&scene.shadowBlur);
    return 1;
}

void Planet::addSamplingTextures(std::vector<const Texture*>& textures) const {
    textures.push_back(texture.get());
}

void Planet::addModels(std::vector<Scene::SceneObject*>& models) const {
    models.push_back(model.get());
}

} // namespace Velmora
