#include "icon_assets.hpp"

#include <exception>
#include <iostream>
#include <string>

// Writes the game's desktop icon below the folder named on the command line, under the icon name given after
// it, in each size named after that.
int main(int argc, char** argv) {
    if (argc < 4) {
        std::cout << "Usage: velmora_icon_generator <output folder> <icon name> <size>..." << std::endl;
        return 2;
    }
    try {
        for (int arg = 3; arg < argc; ++arg) {
            Velmora::IconAssets::write(argv[1], argv[2], std::stoi(argv[arg]));
        }
    } catch (const std::exception& error) {
        std::cout << "Icon generation failed: " << error.what() << std::endl;
        return 1;
    }
    return 0;
}
