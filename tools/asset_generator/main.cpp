#include "asset_folder.hpp"
#include "building_assets.hpp"
#include "font_assets.hpp"
#include "item_assets.hpp"
#include "player_assets.hpp"
#include "sound_assets.hpp"
#include "world_assets.hpp"

#include <exception>
#include <iostream>

// Writes every mesh, texture and sound of the game below the folder named on the command line, the text's
// glyphs from the font file named after it.
int main(int argc, char** argv) {
    if (argc != 3) {
        std::cout << "Usage: velmora_asset_generator <output folder> <font file>" << std::endl;
        return 2;
    }
    try {
        const Velmora::AssetFolder folder(argv[1]);
        Velmora::WorldAssets::write(folder);
        Velmora::PlayerAssets::write(folder);
        Velmora::BuildingAssets::write(folder);
        Velmora::ItemAssets::write(folder);
        Velmora::SoundAssets::write(folder);
        Velmora::FontAssets::write(folder, argv[2]);
    } catch (const std::exception& error) {
        std::cout << "Asset generation failed: " << error.what() << std::endl;
        return 1;
    }
    return 0;
}
