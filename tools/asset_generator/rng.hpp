#pragma once

#include <cstdint>

namespace Velmora {

// A tiny fixed-seed generator, so every run of the asset generator yields the same bytes on every platform.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next();
    float unit();
    float range(float low, float high);

private:
    std::uint64_t state_;
};

} // namespace Velmora
