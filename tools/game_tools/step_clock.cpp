#include "step_clock.hpp"

#include "frame_figures.hpp"

#include <GL/glew.h>

namespace Velmora {

void StepClock::start() {
    glFinish();
    mark = std::chrono::steady_clock::now();
}

void StepClock::stepFinished(RenderStep step) {
    glFinish();
    const auto now = std::chrono::steady_clock::now();
    times[static_cast<size_t>(step)].push_back(std::chrono::duration<double, std::milli>(now - mark).count());
    mark = now;
}

std::array<double, renderStepCount> StepClock::medians() const {
    std::array<double, renderStepCount> result{};
    for (size_t step = 0; step < result.size(); ++step) {
        result[step] = medianOf(times[step]);
    }
    return result;
}

} // namespace Velmora
