#include "step_clock.hpp"

#include "frame_figures.hpp"

#include <GL/glew.h>
#include <algorithm>

namespace Velmora {

void StepClock::start() {
    glFinish();
    mark = std::chrono::steady_clock::now();
}

void StepClock::stepFinished(const std::string& step) {
    glFinish();
    const auto now = std::chrono::steady_clock::now();
    const auto index = static_cast<size_t>(std::find(steps.begin(), steps.end(), step) - steps.begin());
    times.at(index).push_back(std::chrono::duration<double, std::milli>(now - mark).count());
    mark = now;
}

std::vector<double> StepClock::medians() const {
    std::vector<double> result;
    for (const std::vector<double>& stepTimes : times) {
        result.push_back(medianOf(stepTimes));
    }
    return result;
}

} // namespace Velmora
