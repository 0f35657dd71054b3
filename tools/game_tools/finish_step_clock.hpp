#pragma once

#include "step_clock.hpp"

#include <chrono>

namespace Velmora {

// Finishes every step with glFinish before the clock is read: a software renderer's timer queries measure
// nothing useful, and finishing costs it nothing it would not spend anyway.
class FinishStepClock : public StepClock {
public:
    void start() override;
    void stepFinished(const std::string& step) override;

private:
    std::chrono::steady_clock::time_point mark;
};

} // namespace Velmora
