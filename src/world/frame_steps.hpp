#pragma once

namespace Velmora {

// How one frame's time is played: as steps no longer than a 60 Hz frame, so that a slow or stalled frame
// cannot carry a rock past the player, the player past a wall or an item, or an effect past its end. A frame
// of 1/60 s or less is one step of its own length, exactly as the frame itself.
struct FrameSteps {
    static constexpr double longestStep = 1.0 / 60.0;
    // A frame longer than this many steps (4 s: the game was stopped, or its machine paused) plays only
    // these and drops the rest of its time: the world moves on 4 s at most, however long the stall, and no
    // step is ever longer than longestStep.
    static constexpr int mostSteps = 240;

    static FrameSteps split(double frameTime);

    int count = 1;
    double length = 0.0;
};

} // namespace Velmora
