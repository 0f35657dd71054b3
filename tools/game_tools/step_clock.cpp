#include "step_clock.hpp"

#include "frame_figures.hpp"

namespace Velmora {

std::array<double, renderStepCount> StepClock::medians() const {
    std::array<double, renderStepCount> result{};
    for (size_t step = 0; step < result.size(); ++step) {
        result[step] = medianOf(times[step]);
    }
    return result;
}

void StepClock::record(RenderStep step, double milliseconds) {
    times[static_cast<size_t>(step)].push_back(milliseconds);
}

} // namespace Velmora
