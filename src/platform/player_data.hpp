#pragma once

#include <filesystem>
#include <string>

namespace Velmora {

// How the game writes what it keeps for the player: files replaced whole. Each system writes and moves files
// in a file of its own behind the last two functions.

// Writes the contents to a temporary file beside the file, flushes it to the disk and renames it over the
// file, making the folders on the way; a reader sees the old file or the new one, never half of one. On a
// failure the old file stays as it was and the reason is returned; empty on success.
std::string replaceFile(const std::filesystem::path& file, const std::string& contents);

// Writes a new file and flushes it to the disk; on a failure the file is removed and the reason returned.
std::string writeFlushedFile(const std::filesystem::path& file, const std::string& contents);

// Moves a file over another in one step; on a failure the moved file is removed and the reason returned.
std::string moveFileOver(const std::filesystem::path& from, const std::filesystem::path& to);

} // namespace Velmora
