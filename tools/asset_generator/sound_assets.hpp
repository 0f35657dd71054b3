#pragma once

#include <vector>

namespace Velmora {

class AssetFolder;

// The three synthesised sound effects: an asteroid crash, a clang on the shield and the item chime.
class SoundAssets {
public:
    static void write(const AssetFolder& folder);

private:
    static std::vector<float> crash();
    static std::vector<float> metal();
    static std::vector<float> itemCollect();
};

} // namespace Velmora
