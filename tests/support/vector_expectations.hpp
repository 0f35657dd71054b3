#pragma once

#include <glm/glm.hpp>

namespace TestSupport {

// Expects a point or direction within the tolerance of the expected one, and names the actual one if not.
void expectVecNear(const glm::vec3& actual, const glm::vec3& expected, float tolerance = 1e-5f);

} // namespace TestSupport
