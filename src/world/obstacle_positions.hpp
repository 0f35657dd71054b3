#pragma once

#include <glm/glm.hpp>
#include <vector>

namespace Velmora {

// Where the solid decoration items stand, each list in its own order: the walk tests houses first, then
// lanterns.
struct ObstaclePositions {
    std::vector<glm::vec3> houses;
    std::vector<glm::vec3> lanterns;
};

} // namespace Velmora
