#pragma once

#include <filesystem>
#include <string>

namespace Velmora {

// How the game writes what it keeps for the player: files replaced whole. Each system has a file of its own
// behind this interface.

// Writes the contents to a temporary file beside the file, flushes it to the disk and renames it over the
// file, making the folders on the way; a reader sees the old file or the new one, never half of one. On a
// failure the old file stays as it was and the reason is returned; empty on success.
std::string replaceFile(const std::filesystem::path& file, const std::string& contents);

} // namespace Velmora
