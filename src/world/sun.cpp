#include "world/sun.hpp"

#include <glm/gtc/matrix_transform.hpp>

namespace Velmora {

glm::vec3 advanceSun(glm::vec3& sunDirection, glm::vec3 axis, float speed, double frameTime) {
    const float angle = static_cast<float>(frameTime) * speed;
    const glm::mat4 rotation = glm::rotate(glm::mat4(1.0f), glm::radians(angle), axis);
    const glm::vec3 turned = glm::vec3(rotation * glm::vec4(sunDirection, 1.0f));
    // Renormalising every frame keeps rounding from slowly changing the length over a long game.
    sunDirection = turned / glm::length(turned);
    return sunDirection;
}

} // namespace Velmora
