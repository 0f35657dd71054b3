#include "icon_assets.hpp"

#include <exception>
#include <iostream>
#include <string>

// Writes the game's desktop icon below the folder named on the command line, in each size named after it.
int main(int argc, char** argv) {
    if (argc < 3) {
        std::cout << "Usage: velmora_icon_generator <output folder> <size>..." << std::endl;
        return 2;
    }
    try {
        for (int arg = 2; arg < argc; ++arg) {
            Velmora::IconAssets::write(argv[1], std::stoi(argv[arg]));
        }
    } catch (const std::exception& error) {
        std::cout << "Icon generation failed: " << error.what() << std::endl;
        return 1;
    }
    return 0;
}
