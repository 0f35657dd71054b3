#include "rng.hpp"

namespace Velmora {

std::uint64_t Rng::next() {
    // SplitMix64: small, fast and well mixed even for neighbouring seeds.
    state_ += 0x9E3779B97F4A7C15ULL;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

float Rng::unit() {
    return static_cast<float>(next() >> 40) / static_cast<float>(1ULL << 24);
}

float Rng::range(float low, float high) {
    return low + (high - low) * unit();
}

} // namespace Velmora
