#pragma once

namespace Velmora {

// How one frame's time is played: as steps no longer than a 60 Hz frame, so that a slow or stalled frame
// cannot carry a rock past the player, the player past a wall or an item, or an effect past its end. A frame
// of 1/60 s or less is one step of its own length, exactly as the frame itself.
struct FrameSteps {
    static constexpr double longestStep = 1.0 / 60.0;
    // Bounds the work of one frame after a stall of minutes or hours: past 4 s a frame is still played in
    // this many steps, each then longer than 1/60 s, so that no time is lost.
    static constexpr int mostSteps = 240;

    static FrameSteps split(double frameTime);

    int count = 1;
    double length = 0.0;
};

} // namespace Velmora
