#include "noise.hpp"

#include <cmath>
#include <glm/common.hpp>

namespace Velmora {
namespace {

float smooth(float t) {
    return t * t * (3.0f - 2.0f * t);
}

float mix(float a, float b, float t) {
    return a + (b - a) * t;
}

int wrap(int value, int period) {
    return ((value % period) + period) % period;
}

} // namespace

float Noise::lattice(int x, int y, int z) const {
    std::uint32_t h = seed_ * 0x9E3779B1u;
    h ^= static_cast<std::uint32_t>(x) * 0x85EBCA6Bu;
    h ^= static_cast<std::uint32_t>(y) * 0xC2B2AE35u;
    h ^= static_cast<std::uint32_t>(z) * 0x27D4EB2Fu;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return static_cast<float>(h & 0xFFFFFFu) / static_cast<float>(0xFFFFFF);
}

float Noise::tiled(float x, float y, int period) const {
    const float fx = std::floor(x);
    const float fy = std::floor(y);
    const int x0 = wrap(static_cast<int>(fx), period);
    const int y0 = wrap(static_cast<int>(fy), period);
    const int x1 = wrap(x0 + 1, period);
    const int y1 = wrap(y0 + 1, period);
    const float tx = smooth(x - fx);
    const float ty = smooth(y - fy);
    const float bottom = mix(lattice(x0, y0, 0), lattice(x1, y0, 0), tx);
    const float top = mix(lattice(x0, y1, 0), lattice(x1, y1, 0), tx);
    return mix(bottom, top, ty);
}

float Noise::tiledFractal(float x, float y, int period, int octaves) const {
    float sum = 0.0f;
    float weight = 0.5f;
    float total = 0.0f;
    for (int octave = 0; octave < octaves; ++octave) {
        sum += weight * tiled(x, y, period);
        total += weight;
        x *= 2.0f;
        y *= 2.0f;
        period *= 2;
        weight *= 0.5f;
    }
    return sum / total;
}

float Noise::solid(const glm::vec3& p) const {
    const glm::vec3 f = glm::floor(p);
    const int x = static_cast<int>(f.x);
    const int y = static_cast<int>(f.y);
    const int z = static_cast<int>(f.z);
    const glm::vec3 t(smooth(p.x - f.x), smooth(p.y - f.y), smooth(p.z - f.z));
    float layer[2];
    for (int dz = 0; dz < 2; ++dz) {
        const float bottom = mix(lattice(x, y, z + dz), lattice(x + 1, y, z + dz), t.x);
        const float top = mix(lattice(x, y + 1, z + dz), lattice(x + 1, y + 1, z + dz), t.x);
        layer[dz] = mix(bottom, top, t.y);
    }
    return mix(layer[0], layer[1], t.z);
}

float Noise::solidFractal(const glm::vec3& p, int octaves) const {
    float sum = 0.0f;
    float weight = 0.5f;
    float total = 0.0f;
    glm::vec3 q = p;
    for (int octave = 0; octave < octaves; ++octave) {
        sum += weight * solid(q);
        total += weight;
        q *= 2.0f;
        weight *= 0.5f;
    }
    return sum / total;
}

} // namespace Velmora
