#pragma once

#include <cstdint>
#include <vector>

namespace Velmora {

// Two balls about a mesh's own origin: the largest one its surface does not enter, and the smallest one that
// holds every vertex. For a closed mesh around its origin the first is solid throughout.
struct MeshBounds {
    float innerRadius = 0.0f;
    float outerRadius = 0.0f;

    // positions holds x, y, z per vertex, indices three a triangle.
    static MeshBounds of(const std::vector<float>& positions, const std::vector<std::uint32_t>& indices);
};

} // namespace Velmora
