#pragma once

namespace Velmora {

// One reading of a gamepad in the standard layout, as plain values: sticks from -1 to 1 with left and up
// negative, triggers from -1 at rest to 1 pulled in (0 where a pad has none), buttons down or not.
struct PadState {
    float leftX = 0.0f;
    float leftY = 0.0f;
    float rightX = 0.0f;
    float rightY = 0.0f;
    float leftTrigger = 0.0f;
    float rightTrigger = 0.0f;
    bool south = false;
    bool back = false;
    bool start = false;
    bool leftShoulder = false;
    bool rightShoulder = false;
    bool dpadUp = false;
    bool dpadDown = false;
    bool dpadLeft = false;
    bool dpadRight = false;
};

} // namespace Velmora
