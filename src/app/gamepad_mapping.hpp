#pragma once

#include "app/input_actions.hpp"
#include "app/pad_state.hpp"

namespace Velmora {

// Turns gamepad readings into the game's actions: the left stick and the d-pad walk like W, A, S and D, the
// right stick turns the camera like the mouse, the shoulders and triggers zoom like the wheel, and a button
// acts once when it goes down, as a key press does.
class GamepadMapping {
public:
    // How far a stick may lean and still rest: worn sticks seldom come back to their exact centre.
    static constexpr float deadZone = 0.25f;
    // Full deflection turns the camera 120 degrees a second at the mouse's 0.15 degrees a pixel.
    static constexpr float orbitPixelsPerSecond = 800.0f;
    // Full deflection tilts the camera 60 degrees a second at the mouse's 0.25 degrees a pixel.
    static constexpr float tiltPixelsPerSecond = 240.0f;
    // A held shoulder brings the camera about two fifths nearer a second, at the wheel's 0.05 a unit.
    static constexpr float zoomWheelUnitsPerSecond = 10.0f;

    // Frozen, only pause, quit and the new round act; edges are still followed, so a press made then never
    // acts later.
    InputActions next(const PadState& state, bool frozen, double frameTime);

private:
    PadState previous;
};

} // namespace Velmora
