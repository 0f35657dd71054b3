#pragma once

namespace Velmora {

class AssetFolder;
class MeshBuilder;

// The decoration items: a little house and a lantern post, each with a texture atlas.
class BuildingAssets {
public:
    static void write(const AssetFolder& folder);

private:
    static void addHouseBody(MeshBuilder& mesh);
    static void addHouseRoof(MeshBuilder& mesh);
    static void addHouseDetails(MeshBuilder& mesh);
    static void writeHouseTexture(const AssetFolder& folder);
    static void writeLantern(const AssetFolder& folder);
    static void writeLanternTexture(const AssetFolder& folder);
};

} // namespace Velmora
