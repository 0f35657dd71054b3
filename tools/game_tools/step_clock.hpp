#pragma once

#include "app/render_step_timer.hpp"

#include <array>
#include <chrono>
#include <vector>

namespace Velmora {

// Times each render step of a frame on its own: every step is finished with glFinish before the clock is
// read, since timer queries are unreliable on software renderers.
class StepClock : public RenderStepTimer {
public:
    // Finishes what is queued and starts the clock for the first step of a frame.
    void start();
    void stepFinished(RenderStep step) override;
    // The median of each step's times, in milliseconds, in step order.
    std::array<double, renderStepCount> medians() const;

private:
    std::array<std::vector<double>, renderStepCount> times;
    std::chrono::steady_clock::time_point mark;
};

} // namespace Velmora
