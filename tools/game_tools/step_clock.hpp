#pragma once

#include "app/render_step_timer.hpp"

#include <array>
#include <vector>

namespace Velmora {

// Times each render step of a frame on its own, the way the renderer allows.
class StepClock : public RenderStepTimer {
public:
    // Before the first step of a frame.
    virtual void start() = 0;
    // Once the frame is finished on the GPU, before the next one starts.
    virtual void frameDone() {}
    // The median of each step's times, in milliseconds, in step order.
    std::array<double, renderStepCount> medians() const;

protected:
    void record(RenderStep step, double milliseconds);

private:
    std::array<std::vector<double>, renderStepCount> times;
};

} // namespace Velmora
