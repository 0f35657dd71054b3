#include "asset_folder.hpp"
#include "building_assets.hpp"
#include "item_assets.hpp"
#include "player_assets.hpp"
#include "sound_assets.hpp"
#include "world_assets.hpp"

#include <exception>
#include <iostream>

// Writes every mesh, texture and sound of the game below the folder named on the command line.
int main(int argc, char** argv) {
    if (argc != 2) {
        std::cout << "Usage: velmora_asset_generator <output folder>" << std::endl;
        return 2;
    }
    try {
        const Velmora::AssetFolder folder(argv[1]);
        Velmora::WorldAssets::write(folder);
        Velmora::PlayerAssets::write(folder);
        Velmora::BuildingAssets::write(folder);
        Velmora::ItemAssets::write(folder);
        Velmora::SoundAssets::write(folder);
    } catch (const std::exception& error) {
        std::cout << "Asset generation failed: " << error.what() << std::endl;
        return 1;
    }
    return 0;
}
