#pragma once

#include <fstream>
#include <string>

namespace Velmora {

// Every data file of the game (settings, shaders, textures, meshes, the glyph table, sounds) is read only
// when it is a regular file, a link to one included. Opening a FIFO waits for a writer for ever, a device
// such as /dev/zero never ends, and a folder opens on some systems but cannot be read; the kind is checked
// before anything opens the path.
bool isDataFile(const std::string& path);

// The file opened for reading, or a stream that is not open where the path names no regular file.
std::ifstream openDataFile(const std::string& path, std::ios::openmode mode = std::ios::in);

} // namespace Velmora
