#pragma once

#include "app/render_step_timer.hpp"
#include "gl_call_counter.hpp"

#include <string>
#include <vector>

namespace Velmora {

struct AsteroidScaling {
    int asteroidsInPlay = 0;
    double frameMs = 0.0;
    double updateMs = 0.0;
    double cpuMs = 0.0;
    // The peak over this series alone.
    double peakMemoryMiB = 0.0;
    GlCallCounts calls;
};

// A shower as large as the settings allow: what it costs to set up, to carry before Enter and with a second
// of it in play.
struct LargeShower {
    int asteroids = 0;
    int inPlay = 0;
    double setUpMs = 0.0;
    double updateBeforeEnterMs = 0.0;
    double updateInPlayMs = 0.0;
    double frameInPlayMs = 0.0;
    GlCallCounts callsInPlay;
};

// Everything one benchmark run measures; times are medians over the run's frames, in milliseconds, and each
// series' calls those of one of its frames. A frame's CPU time ends when it is sent and swapped.
struct FrameFigures {
    std::string renderer;
    std::string rendererKind;
    std::string stepClock;
    int frames = 0;
    double startToFirstFrameSeconds = 0.0;
    // In the order of renderStepNames.
    std::vector<double> stepMs;
    std::vector<double> floorStepMs;
    double updateMs = 0.0;
    double frameMs = 0.0;
    double frameCpuMs = 0.0;
    GlCallCounts frameCalls;
    double floorFrameMs = 0.0;
    std::vector<AsteroidScaling> scaling;
    LargeShower largeShower;
    // The peak over the game's own frames, and over the whole run with its dense asteroid fields.
    double gamePeakMemoryMiB = 0.0;
    double peakMemoryMiB = 0.0;
};

double medianOf(std::vector<double> values);
// One line a figure, for a person to read.
void printText(const FrameFigures& figures);
// The same figures as one JSON object, for a script to read.
void printJson(const FrameFigures& figures);

} // namespace Velmora
