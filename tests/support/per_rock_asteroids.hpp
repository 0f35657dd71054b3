#pragma once

#include "render/lit_model.hpp"
#include "render/shader.hpp"
#include "world/asteroid_spawner.hpp"

namespace TestSupport {

// The rocks drawn as the game drew them before they went out in one instanced draw: the shared cel program,
// one draw per rock in sight, its four matrices set as uniforms before each. Pictures of the instanced draw
// are held to this one.
class PerRockAsteroids {
public:
    // Uses the spawner's texture and material, and the same lanterns' lights.
    PerRockAsteroids(const Velmora::AsteroidSpawner& spawner, Velmora::PointLightArrays lights);

    // Returns how many rocks were drawn.
    int draw(const Velmora::AsteroidShower& shower, const glm::vec3& light, const Velmora::Camera& camera,
             bool cullingEnabled, const Velmora::ShadowMap& shadowMap, const Velmora::ShadowBlur& shadowBlur);

private:
    Velmora::Shader shader;
    Velmora::Scene::LitModel model;
};

} // namespace TestSupport
