#include "math/world_transforms.hpp"

#include <glm/gtc/matrix_transform.hpp>

namespace Velmora {

void translateInWorld(glm::mat4& matrix, glm::vec3 direction, double factor) {
    const glm::vec3 offset = direction * static_cast<float>(factor);
    matrix = glm::translate(glm::mat4(1.0f), offset) * matrix;
}

void rotateInWorld(glm::mat4& matrix, glm::vec3 axis, float angle, double factor) {
    const float effectiveAngle = static_cast<float>(factor) * angle;
    matrix = glm::rotate(glm::mat4(1.0f), glm::radians(effectiveAngle), axis) * matrix;
}

glm::vec3 translationOf(const glm::mat4& matrix) {
    return glm::vec3(matrix[3]);
}

} // namespace Velmora
