#pragma once

#include "render/shader.hpp"
#include "render/texture.hpp"
#include "world/sky_cube_model.hpp"

#include <glm/glm.hpp>
#include <memory>

namespace Velmora {

class Camera;

// The sky about the whole scene: day above the side of the planet that faces the sun, night on the other
// side.
class SkyCube {
public:
    SkyCube();
    SkyCube(const SkyCube&) = delete;
    SkyCube& operator=(const SkyCube&) = delete;

    // Leaves the sky program current.
    void update(const glm::vec3& light, const glm::vec3& playerPosition, const Camera& camera);

    // Released from the bottom up: the program before the two pictures and the mesh that referred to them.
    std::unique_ptr<Scene::SkyCubeModel> model;
    std::unique_ptr<Texture> nightTexture;
    std::unique_ptr<Texture> dayTexture;
    std::unique_ptr<Shader> shader;
};

} // namespace Velmora
