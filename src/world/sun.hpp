#pragma once

#include <glm/glm.hpp>

namespace Velmora {

// Turns the sun about the axis by speed (degrees per second) times the frame time, stores the new direction
// back into sunDirection and returns it as the frame's light vector.
glm::vec3 advanceSun(glm::vec3& sunDirection, glm::vec3 axis, float speed, double frameTime);

} // namespace Velmora
