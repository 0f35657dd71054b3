#include "math/mesh_bounds.hpp"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <glm/glm.hpp>
#include <limits>

namespace Velmora {
namespace {

glm::vec3 vertexAt(const std::vector<float>& positions, std::uint32_t vertex) {
    const std::size_t i = static_cast<std::size_t>(vertex) * 3;
    return {positions[i], positions[i + 1], positions[i + 2]};
}

// The point of triangle abc nearest to the origin, found by the region of the triangle's plane the origin
// projects into: a corner, an edge or the inside.
glm::vec3 nearestToOrigin(const glm::vec3& a, const glm::vec3& b, const glm::vec3& c) {
    const glm::vec3 ab = b - a;
    const glm::vec3 ac = c - a;
    const float d1 = glm::dot(ab, -a);
    const float d2 = glm::dot(ac, -a);
    if (d1 <= 0.0f && d2 <= 0.0f) {
        return a;
    }
    const float d3 = glm::dot(ab, -b);
    const float d4 = glm::dot(ac, -b);
    if (d3 >= 0.0f && d4 <= d3) {
        return b;
    }
    const float vc = d1 * d4 - d3 * d2;
    if (vc <= 0.0f && d1 >= 0.0f && d3 <= 0.0f) {
        return a + ab * (d1 / (d1 - d3));
    }
    const float d5 = glm::dot(ab, -c);
    const float d6 = glm::dot(ac, -c);
    if (d6 >= 0.0f && d5 <= d6) {
        return c;
    }
    const float vb = d5 * d2 - d1 * d6;
    if (vb <= 0.0f && d2 >= 0.0f && d6 <= 0.0f) {
        return a + ac * (d2 / (d2 - d6));
    }
    const float va = d3 * d6 - d5 * d4;
    if (va <= 0.0f && d4 - d3 >= 0.0f && d5 - d6 >= 0.0f) {
        return b + (c - b) * ((d4 - d3) / ((d4 - d3) + (d5 - d6)));
    }
    const float denominator = 1.0f / (va + vb + vc);
    return a + ab * (vb * denominator) + ac * (vc * denominator);
}

} // namespace

MeshBounds MeshBounds::of(const std::vector<float>& positions, const std::vector<std::uint32_t>& indices) {
    MeshBounds bounds;
    float innerSquared = std::numeric_limits<float>::max();
    for (std::size_t i = 0; i + 2 < indices.size(); i += 3) {
        const glm::vec3 nearest =
            nearestToOrigin(vertexAt(positions, indices[i]), vertexAt(positions, indices[i + 1]),
                            vertexAt(positions, indices[i + 2]));
        innerSquared = std::min(innerSquared, glm::dot(nearest, nearest));
    }
    bounds.innerRadius = indices.empty() ? 0.0f : std::sqrt(innerSquared);
    for (std::size_t i = 0; i + 2 < positions.size(); i += 3) {
        bounds.outerRadius =
            std::max(bounds.outerRadius, glm::length(vertexAt(positions, static_cast<std::uint32_t>(i / 3))));
    }
    return bounds;
}

} // namespace Velmora
