#pragma once

namespace Velmora {

class AssetFolder;

// The character's eight body parts, all in one model space (+y up, +z forward, +x its left, origin at the
// hip, soles at y = -0.05), and the six textures they are drawn with.
class PlayerAssets {
public:
    static void write(const AssetFolder& folder);

private:
    static void writeMeshes(const AssetFolder& folder);
    static void writeSkin(const AssetFolder& folder);
    static void writeBody(const AssetFolder& folder);
    static void writeEye(const AssetFolder& folder);
    static void writeEyeBall(const AssetFolder& folder);
    static void writeShoe(const AssetFolder& folder);
    static void writeMetal(const AssetFolder& folder);
};

} // namespace Velmora
