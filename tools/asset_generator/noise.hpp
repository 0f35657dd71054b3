#pragma once

#include <cstdint>
#include <glm/vec3.hpp>

namespace Velmora {

// Hash-based value noise: the 2D variant wraps with a lattice period so textures tile without seams.
class Noise {
public:
    explicit Noise(std::uint32_t seed) : seed_(seed) {}

    // x and y in lattice cells; the pattern repeats every `period` cells.
    float tiled(float x, float y, int period) const;
    // Sum of octaves, each twice as fine and half as strong; result roughly in [0, 1].
    float tiledFractal(float x, float y, int period, int octaves) const;
    float solid(const glm::vec3& p) const;
    float solidFractal(const glm::vec3& p, int octaves) const;

private:
    float lattice(int x, int y, int z) const;

    std::uint32_t seed_;
};

} // namespace Velmora
