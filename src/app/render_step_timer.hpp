#pragma once

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
    CompositeAndHearts
};
constexpr int renderStepCount = 11;

// Told the end of each step of a frame, for a tool that times the steps one by one; the game itself renders
// without one.
class RenderStepTimer {
public:
    virtual ~RenderStepTimer() = default;
    virtual void stepFinished(RenderStep step) = 0;
};

} // namespace Velmora
