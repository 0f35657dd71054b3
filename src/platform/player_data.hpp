#pragma once

#include <filesystem>
#include <string>

namespace Velmora {

// What the game keeps for the player between runs, and how it writes it: the folder named the way the system
// expects, and files replaced whole. Each system has a file of its own behind this interface.

// An absolute path from the environment variable; empty where it is unset or relative, which the XDG base
// directory rules say to ignore.
std::filesystem::path absolutePathIn(const char* variable);

// $XDG_DATA_HOME/velmora, or ~/.local/share/velmora where that variable names no absolute path; empty when
// HOME names none either.
std::filesystem::path playerDataFolder();

// Writes the contents to a temporary file beside the file, flushes it to the disk and renames it over the
// file, making the folders on the way; a reader sees the old file or the new one, never half of one. On a
// failure the old file stays as it was and the reason is returned; empty on success.
std::string replaceFile(const std::filesystem::path& file, const std::string& contents);

} // namespace Velmora
