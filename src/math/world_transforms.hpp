#pragma once

#include <glm/glm.hpp>

namespace Velmora {

// Pre-multiplies, so the matrix moves along world axes whatever rotation it already holds.
void translateInWorld(glm::mat4& matrix, glm::vec3 direction, double factor);

// Pre-multiplies, so the matrix turns about an axis through the world origin; angle in degrees.
void rotateInWorld(glm::mat4& matrix, glm::vec3 axis, float angle, double factor);

glm::vec3 translationOf(const glm::mat4& matrix);

} // namespace Velmora
