#pragma once

#include <filesystem>
#include <string>

namespace Velmora {

// The player's own settings folder: $XDG_CONFIG_HOME/velmora, or ~/.config/velmora where that variable is
// unset or not an absolute path. Empty when neither variable gives an absolute path.
std::filesystem::path userSettingsFolder();

// The settings file of that name to read: the player's own wherever something is there, so that a file the
// player made but cannot be read is reported rather than passed over; otherwise the installed one,
// Config/<name> in the data folder. Where the player's folder cannot be searched, the game ends with a
// message naming that folder.
std::string settingsFilePath(const std::string& name);

} // namespace Velmora
