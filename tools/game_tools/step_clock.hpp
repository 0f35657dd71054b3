#pragma once

#include "app/render_step_timer.hpp"

#include <chrono>
#include <string>
#include <vector>

namespace Velmora {

// Times each render step of a frame on its own: every step is finished with glFinish before the clock is
// read, since timer queries are unreliable on software renderers.
class StepClock : public RenderStepTimer {
public:
    // Finishes what is queued and starts the clock for the first step of a frame.
    void start();
    void stepFinished(const std::string& step) override;
    // The median of each step's times, in milliseconds, in the order of renderStepNames.
    std::vector<double> medians() const;

private:
    const std::vector<std::string> steps = renderStepNames();
    std::vector<std::vector<double>> times{steps.size()};
    std::chrono::steady_clock::time_point mark;
};

} // namespace Velmora
