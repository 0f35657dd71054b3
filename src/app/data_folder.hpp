#pragma once

#include <filesystem>

namespace Velmora {

// The folder that holds the run-time folders (Config, Shaders, Textures, SceneObjects, Sounds): the program's
// own folder in the build, its installed data folder once installed. Empty when the program's path cannot be
// read.
std::filesystem::path dataFolder();

// Entering the data folder makes the game and its tools work from wherever they are started.
void enterDataFolder();

} // namespace Velmora
