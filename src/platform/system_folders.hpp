#pragma once

#include <filesystem>

namespace Velmora {

// The running program's own file, with any link on the way resolved, so that a program started through a link
// finds its folders too. Empty when the system cannot say.
std::filesystem::path programFile();

// The player's own settings folder: $XDG_CONFIG_HOME/velmora, or ~/.config/velmora where that variable is
// unset or not an absolute path, on Linux; %APPDATA%\velmora on Windows. Empty when the environment names no
// absolute folder.
std::filesystem::path userSettingsFolder();

// What the game keeps for the player between runs: $XDG_DATA_HOME/velmora, or ~/.local/share/velmora where
// that variable names no absolute path, on Linux; %APPDATA%\velmora on Windows. Empty when the environment
// names no absolute folder.
std::filesystem::path playerDataFolder();

} // namespace Velmora
