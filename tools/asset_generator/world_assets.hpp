#pragma once

namespace Velmora {

class AssetFolder;

// The planet, the sky cube and the full-screen quad with their textures.
class WorldAssets {
public:
    static void write(const AssetFolder& folder);

private:
    static void writeScreenQuad(const AssetFolder& folder);
    static void writePlanet(const AssetFolder& folder);
    static void writeSkyCube(const AssetFolder& folder);
    static void writeGrass(const AssetFolder& folder);
    static void writeDaySky(const AssetFolder& folder);
    static void writeNightSky(const AssetFolder& folder);
};

} // namespace Velmora
