#pragma once

#include <glm/glm.hpp>

namespace Velmora {

// How a lit model answers the light: the factors of its ambient, diffuse and specular terms and its
// shininess.
struct Material {
    glm::vec3 ambientFactor{0.0f};
    glm::vec3 diffuseFactor{0.0f};
    glm::vec3 specularFactor{0.0f};
    float shininess = 0.0f;
};

} // namespace Velmora
