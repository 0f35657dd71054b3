#pragma once

#include <array>

namespace Velmora {

// The steps of a rendered frame, in the order the game renders them.
enum class RenderStep {
    ShadowPass,
    ShadowBlur,
    Sky,
    Planet,
    Player,
    HousesAndLanterns,
    Asteroids,
    PowerUps,
    Edges,
    Bloom,
    CompositeAndHearts,
    // Not a step: how many there are.
    Count
};
constexpr int renderStepCount = static_cast<int>(RenderStep::Count);

// The names the steps go by in the benchmark's figures, in step order.
constexpr std::array<const char*, renderStepCount> renderStepNames = {
    "shadow pass",         "shadow blur", "sky",       "planet", "player",
    "houses and lanterns", "asteroids",   "power-ups", "edges",  "bloom",
    "composite and hearts"};
static_assert(renderStepNames.back() != nullptr, "every render step has a name");

// Told the end of each step of a frame, for a tool that times the steps one by one; the game itself renders
// without one.
class RenderStepTimer {
public:
    virtual ~RenderStepTimer() = default;
    virtual void stepFinished(RenderStep step) = 0;
};

} // namespace Velmora
