#pragma once

#include "app/walk_intent.hpp"

namespace Velmora {

// What a gamepad asks of the game in one frame, in the units of the keys, mouse and wheel it stands in for.
struct PadActions {
    WalkIntent walk;
    // Fresh presses: A as Enter, Start as Space, Back as Escape.
    bool startShower = false;
    bool togglePause = false;
    bool quit = false;
    // A's fresh press whether frozen or not: after the loss it starts a new round, as Enter does.
    bool startRound = false;
    // Mouse pixels from the window's centre, horizontal for the orbit and vertical for the tilt.
    float orbit = 0.0f;
    float tilt = 0.0f;
    float zoom = 0.0f;
};

} // namespace Velmora
