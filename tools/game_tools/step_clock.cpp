#include "step_clock.hpp"

#include "frame_figures.hpp"

#include <algorithm>

namespace Velmora {

std::vector<double> StepClock::medians() const {
    std::vector<double> result;
    for (const std::vector<double>& stepTimes : times) {
        result.push_back(medianOf(stepTimes));
    }
    return result;
}

void StepClock::record(const std::string& step, double milliseconds) {
    const auto index = static_cast<size_t>(std::find(steps.begin(), steps.end(), step) - steps.begin());
    times.at(index).push_back(milliseconds);
}

} // namespace Velmora
