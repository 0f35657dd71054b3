#pragma once

#include <optional>

namespace Velmora {

// What the command line asks of one run of the game.
struct LaunchOptions {
    // --fullscreen or --window, in place of the first line of fullscreenConfig.txt; unset, the file decides.
    std::optional<bool> fullscreen;
    // --on-screen-messages.
    bool onScreenMessages = false;
};

} // namespace Velmora
