#pragma once

#include <vector>

namespace Velmora {

// One control of the game: its keys, its gamepad input (empty where the pad has none) and what it does.
struct ControlRow {
    const char* keys;
    const char* gamepad;
    const char* action;
};

// The game's controls in the order they are taught.
const std::vector<ControlRow>& controlRows();

} // namespace Velmora
