#pragma once

#include <vector>

namespace Velmora {

// One control of the game: the keys or mouse action, the gamepad's, empty where the pad has none, and what
// they do. The one table of them feeds --help, the manual page and the controls card, so they cannot
// disagree.
struct ControlRow {
    const char* keys;
    const char* gamepad;
    const char* action;
};

// Every control, in the order a player learns them: walking and the camera, the round, then the toggles.
const std::vector<ControlRow>& controlRows();

} // namespace Velmora
