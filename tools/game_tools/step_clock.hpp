#pragma once

#include "app/render_step_timer.hpp"

#include <string>
#include <vector>

namespace Velmora {

// Times each render step of a frame on its own, the way the renderer allows.
class StepClock : public RenderStepTimer {
public:
    // Before the first step of a frame.
    virtual void start() = 0;
    // Once the frame is finished on the GPU, before the next one starts.
    virtual void frameDone() {}
    // The median of each step's times, in milliseconds, in the order of renderStepNames.
    std::vector<double> medians() const;

protected:
    void record(const std::string& step, double milliseconds);

private:
    const std::vector<std::string> steps = renderStepNames();
    std::vector<std::vector<double>> times{steps.size()};
};

} // namespace Velmora
