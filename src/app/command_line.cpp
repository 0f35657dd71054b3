#include "app/command_line.hpp"

#include "app/data_folder.hpp"
#include "app/game_loop.hpp"
#include "app/settings_files.hpp"

#include <iostream>
#include <string>

namespace Velmora {
namespace {

const char* const usageLine = "Usage: velmora [--help | --version]";

// The folders are those this very run would read from.
void printSettingsFolders() {
    const std::filesystem::path own = userSettingsFolder();
    std::cout << "Each is read from " << (own.empty() ? "$XDG_CONFIG_HOME/velmora" : own.string())
              << "/ where it is there, else from\n"
              << (dataFolder() / "Config").string() << "/.\n";
}

void printHelp() {
    std::cout
        << usageLine << "\n"
        << "Walk a tiny planet and dodge the asteroid shower.\n"
           "\n"
           "Options:\n"
           "  --help       print this help and exit\n"
           "  --version    print the version and exit\n"
           "Without an argument the game starts.\n"
           "\n"
           "Keys:\n"
           "  W A S D      walk, relative to the camera\n"
           "  mouse        orbit the camera; with the middle button held, tilt it\n"
           "  wheel        zoom\n"
           "  Enter        start the asteroid shower\n"
           "  Space        pause and continue\n"
           "  Escape       quit\n"
           "  F2 to F11    frame rate, wireframe, sampling, mip-mapping, edge mode, drawn objects,\n"
           "               culling, transparency, sun movement, face culling\n"
           "\n"
           "Gamepad: left stick or d-pad walk, right stick orbits and tilts, shoulders or triggers zoom,\n"
           "  A starts the shower, Start pauses, Back quits.\n"
           "\n"
           "Settings files, one value a line (see velmora(6)):\n"
           "  fullscreenConfig.txt       true or false, the window's width, its height\n"
           "  asteroidSpawnerConfig.txt  asteroids per second, the shower's length in seconds\n";
    printSettingsFolders();
}

} // namespace

int runCommandLine(int argc, const char* const* argv) {
    if (argc <= 1) {
        return runGame();
    }
    const std::string argument = argv[1];
    if (argc == 2 && argument == "--help") {
        printHelp();
        return 0;
    }
    if (argc == 2 && argument == "--version") {
        std::cout << "velmora " << VELMORA_VERSION << "\n";
        return 0;
    }
    std::cerr << usageLine << "\n";
    return 2;
}

} // namespace Velmora
