#pragma once

#include "render/material.hpp"
#include "render/point_light_arrays.hpp"
#include "render/shader.hpp"
#include "render/texture.hpp"
#include "world/planet_model.hpp"
#include "world/planet_occluder.hpp"
#include "world/world_object.hpp"

#include <glm/glm.hpp>
#include <memory>
#include <vector>

namespace Velmora {

class ShadowMap;

// The grass-covered sphere of radius 1 at the world origin; it never moves.
class Planet : public WorldObject {
public:
    Planet();
    Planet(const Planet&) = delete;
    Planet& operator=(const Planet&) = delete;

    // The planet is solid throughout this distance from its centre.
    float solidRadius() const;

    void uploadMaterialAndLights(PointLightArrays lights) override;
    void update(const FrameUniforms& frame) override;
    void updateShadowMatrices(const glm::vec3& light, const ShadowMap& shadowMap) override;
    void drawShadows() override;
    int draw(const SceneDraw& scene) override;
    void addSamplingTextures(std::vector<const Texture*>& textures) const override;
    void addModels(std::vector<Scene::SceneObject*>& models) const override;

    // Released from the bottom up: the occluder, the program, then the texture and the material before the
    // mesh that referred to them.
    std::unique_ptr<Scene::PlanetModel> model;
    std::unique_ptr<Material> material;
    std::unique_ptr<Texture> texture;
    std::unique_ptr<Shader> shader;
    std::unique_ptr<PlanetOccluder> occluder;
};

} // namespace Velmora
