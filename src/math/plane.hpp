#pragma once

#include <glm/glm.hpp>

namespace Velmora {

// The plane normal · x + d = 0; a point on it is kept alongside.
struct Plane {
    glm::vec3 normal{0};
    glm::vec3 point{0};
    float d = 0;

    // The normal is cross(p3 - p2, p1 - p2), so the winding of the three points decides its side.
    void setFromPoints(const glm::vec3& p1, const glm::vec3& p2, const glm::vec3& p3);
    // Signed: positive on the side the normal points to.
    float distance(const glm::vec3& p) const;
};

} // namespace Velmora
