#pragma once

namespace Velmora {

// What the held movement keys ask for in one frame: forward +1 / backward -1 and right +1 / left -1, opposite
// keys cancelling each other.
struct WalkIntent {
    int forward = 0;
    int side = 0;

    static WalkIntent fromKeys(bool forwardKey, bool backwardKey, bool leftKey, bool rightKey);
    // Two sources held at once, such as the keys and a gamepad: a direction asked twice counts once, opposite
    // directions cancel each other.
    WalkIntent combinedWith(const WalkIntent& other) const;
    bool isDiagonal() const { return forward != 0 && side != 0; }
    // Forward-left 1, backward-left 2, forward-right 3, backward-right 4.
    int diagonalCode() const;
};

} // namespace Velmora
