#pragma once

#include "platform/system_folders.hpp"

#include <filesystem>
#include <string>

namespace Velmora {

// The settings file of that name to read, its path in UTF-8: the player's own wherever something is there, so
// that a file the player made but cannot be read is reported rather than passed over; otherwise the installed
// one, Config/<name> in the data folder. Where the player's folder cannot be searched, the game ends with a
// message naming that folder.
std::string settingsFilePath(const std::string& name);

} // namespace Velmora
