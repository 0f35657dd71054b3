#pragma once

#include "app/walk_intent.hpp"

namespace Velmora {

// What the player asks of the game in one frame, from the keys and the mouse or from a gamepad, in the units
// of the keys, mouse and wheel.
struct InputActions {
    WalkIntent walk;
    // Enter held, or A's fresh press while the game runs: the shower starts.
    bool startShower = false;
    // Fresh presses of the pad or the keys, acting whether frozen or not: Start or Space pauses, Back or
    // Escape quits, and A or Enter after the loss starts a new round.
    bool togglePause = false;
    bool quit = false;
    bool startRound = false;
    // Mouse pixels from the window's centre, horizontal for the orbit and vertical for the tilt, and wheel
    // units.
    float orbit = 0.0f;
    float tilt = 0.0f;
    float zoom = 0.0f;

    // Two sources at once, such as the keys and a gamepad: their walks combine, their presses and moves add
    // up.
    InputActions combinedWith(const InputActions& other) const;
    // What the frame's later steps take of it: the walk, held through the frame; the rest acts once.
    InputActions forLaterSteps() const;
};

} // namespace Velmora
