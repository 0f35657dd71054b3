#pragma once

#include <string>

namespace Velmora {

class AssetFolder;
class Image;

// Asteroids, the power-up item with its three looks, and the two heart icons of the lives display.
class ItemAssets {
public:
    static void write(const AssetFolder& folder);

private:
    static void writeAsteroid(const AssetFolder& folder);
    static void writeAsteroidTexture(const AssetFolder& folder);
    static void writePowerUp(const AssetFolder& folder);
    static void writeSpeedTexture(const AssetFolder& folder);
    static void writeLifeTexture(const AssetFolder& folder);
    static void writeShieldTexture(const AssetFolder& folder);
    static void writeHearts(const AssetFolder& folder);
};

} // namespace Velmora
