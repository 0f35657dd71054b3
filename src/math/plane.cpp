#include "math/plane.hpp"

namespace Velmora {

void Plane::setFromPoints(const glm::vec3& p1, const glm::vec3& p2, const glm::vec3& p3) {
    const glm::vec3 a = p1 - p2;
    const glm::vec3 b = p3 - p2;
    normal = glm::cross(b, a);
    const float length = glm::length(normal);
    // Degenerate points leave a zero normal, which turns the plane into one that rejects nothing.
    if (length != 0.0f) {
        normal /= length;
    }
    point = p2;
    d = -glm::dot(normal, point);
}

float Plane::distance(const glm::vec3& p) const {
    return glm::dot(normal, p) + d;
}

} // namespace Velmora
