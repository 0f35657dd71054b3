#include "finish_step_clock.hpp"

#include <GL/glew.h>

namespace Velmora {

void FinishStepClock::start() {
    glFinish();
    mark = std::chrono::steady_clock::now();
}

void FinishStepClock::stepFinished(const std::string& step) {
    glFinish();
    const auto now = std::chrono::steady_clock::now();
    record(step, std::chrono::duration<double, std::milli>(now - mark).count());
    mark = now;
}

} // namespace Velmora
