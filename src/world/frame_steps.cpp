#include "world/frame_steps.hpp"

#include <cmath>

namespace Velmora {

FrameSteps FrameSteps::split(double frameTime) {
    if (!(frameTime > longestStep)) {
        return {1, frameTime};
    }
    const double needed = std::ceil(frameTime / longestStep);
    if (needed > mostSteps) {
        return {mostSteps, longestStep};
    }
    const int count = static_cast<int>(needed);
    return {count, frameTime / count};
}

} // namespace Velmora
