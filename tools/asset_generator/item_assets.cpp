#include "item_assets.hpp"

#include "asset_folder.hpp"
#include "image.hpp"
#include "mesh_builder.hpp"
#include "noise.hpp"
#include "rng.hpp"

#include <cmath>
#include <functional>
#include <glm/common.hpp>
#include <glm/geometric.hpp>
#include <vector>

namespace Velmora {
namespace {

constexpr int iconSize = 256;

// The classic heart curve, about 2.3 wide, centred near the origin with y up.
bool insideHeart(float x, float y) {
    const float yy = y + 0.1f;
    const float a = x * x + yy * yy - 1.0f;
    return a * a * a - x * x * yy * yy * yy <= 0.0f;
}

bool insidePolygon(const glm::vec2& p, const std::vector<glm::vec2>& polygon) {
    bool inside = false;
    for (size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const glm::vec2& a = polygon[i];
        const glm::vec2& b = polygon[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) {
            inside = !inside;
        }
    }
    return inside;
}

// Share of a pixel covered by a shape given in [-1, 1] coordinates with y up, from 4 x 4 samples.
float coverage(int x, int y, int size, float scale, const std::function<bool(float, float)>& shape) {
    int hits = 0;
    for (int sy = 0; sy < 4; ++sy) {
        for (int sx = 0; sx < 4; ++sx) {
            const float px = ((x + (sx + 0.5f) / 4.0f) / size * 2.0f - 1.0f) * scale;
            const float py = (1.0f - (y + (sy + 0.5f) / 4.0f) / size * 2.0f) * scale;
            hits += shape(px, py) ? 1 : 0;
        }
    }
    return hits / 16.0f;
}

// Background gradient with a bevelled frame, then the symbol with a dark outline and a light fill.
Image iconTile(const glm::vec3& dark, const glm::vec3& light, const glm::vec3& symbol,
               const std::function<bool(float, float)>& shape) {
    Image image(iconSize, iconSize);
    for (int y = 0; y < iconSize; ++y) {
        for (int x = 0; x < iconSize; ++x) {
            const float s = (x + 0.5f) / iconSize;
            const float t = 1.0f - (y + 0.5f) / iconSize;
            const float border = std::min(std::min(s, t), std::min(1.0f - s, 1.0f - t));
            glm::vec3 color = glm::mix(dark, light, 0.5f * (s + t));
            if (border < 0.07f) {
                color = glm::mix(light, glm::vec3(1.0f), 0.5f) * (border < 0.02f ? 0.7f : 1.0f);
            }
            image.set(x, y, color);
            image.blend(x, y, dark * 0.4f, coverage(x, y, iconSize, 1.25f, shape));
            image.blend(x, y, symbol, coverage(x, y, iconSize, 1.4f, shape));
        }
    }
    return image;
}

bool insideBolt(float x, float y) {
    static const std::vector<glm::vec2> bolt = {{0.2f, 1.0f},   {-0.55f, -0.05f}, {-0.05f, -0.05f},
                                                {-0.3f, -1.0f}, {0.6f, 0.2f},     {0.08f, 0.2f},
                                                {0.45f, 1.0f}};
    return insidePolygon({x, y}, bolt);
}

bool insideShield(float x, float y) {
    if (y > 0.0f) {
        return std::abs(x) < 0.75f && y < 0.85f - 0.15f * x * x;
    }
    return std::abs(x) < 0.75f * std::sqrt(std::max(0.0f, 1.0f - y * y)) && y > -1.0f;
}

} // namespace

void ItemAssets::write(const AssetFolder& folder) {
    writeAsteroid(folder);
    writeAsteroidTexture(folder);
    writePowerUp(folder);
    writeSpeedTexture(folder);
    writeLifeTexture(folder);
    writeShieldTexture(folder);
    writeHearts(folder);
}

void ItemAssets::writeAsteroid(const AssetFolder& folder) {
    const Noise noise(101);
    MeshBuilder mesh;
    mesh.addCubeSphere(5, 1.0f, [&noise](const glm::vec3& d) {
        const float lumps = noise.solidFractal(d * 1.6f + glm::vec3(7.3f), 4);
        return 0.05f * (0.75f + 0.5f * lumps);
    });
    folder.writeMesh("Asteroid", mesh);
}

void ItemAssets::writeAsteroidTexture(const AssetFolder& folder) {
    const Noise noise(111);
    Image image(iconSize, iconSize);
    image.fillTiledNoise(noise, 8, 5, glm::vec3(0.25f, 0.22f, 0.2f), glm::vec3(0.58f, 0.52f, 0.45f));
    Rng rng(112);
    for (int crater = 0; crater < 28; ++crater) {
        const glm::vec2 centre(rng.range(0.0f, iconSize), rng.range(0.0f, iconSize));
        const float radius = rng.range(5.0f, 22.0f);
        image.blendDisc(centre, radius * 1.15f, glm::vec3(0.68f, 0.62f, 0.55f), 0.45f);
        image.blendDisc(centre, radius, glm::vec3(0.17f, 0.15f, 0.14f), 0.6f);
        image.blendDisc(centre + glm::vec2(radius * 0.2f), radius * 0.7f, glm::vec3(0.3f, 0.27f, 0.24f),
                        0.5f);
    }
    folder.writeTexture("AsteroidTexture", image);
}

void ItemAssets::writePowerUp(const AssetFolder& folder) {
    // About as wide as the character's head (0.056), so that it reads as a pick-up from the usual distance.
    const float half = 0.02f;
    MeshBuilder mesh;
    // A small item box: every face shows the whole icon.
    mesh.addBox(glm::vec3(-half), glm::vec3(half), UvRect{});
    folder.writeMesh("PowerUp", mesh);
}

void ItemAssets::writeSpeedTexture(const AssetFolder& folder) {
    folder.writeTexture("SpeedPowerUpTexture",
                        iconTile({0.95f, 0.6f, 0.05f}, {1.0f, 0.9f, 0.25f}, {1.0f, 1.0f, 0.85f}, insideBolt));
}

void ItemAssets::writeLifeTexture(const AssetFolder& folder) {
    auto heart = [](float x, float y) { return insideHeart(x * 1.35f, y * 1.35f); };
    folder.writeTexture("LifePowerUpTexture",
                        iconTile({0.75f, 0.2f, 0.32f}, {0.92f, 0.42f, 0.52f}, {0.85f, 0.05f, 0.1f}, heart));
}

void ItemAssets::writeShieldTexture(const AssetFolder& folder) {
    // The item's own glow lifts every colour: a deep blue keeps the box blue on screen instead of washing it
    // white.
    folder.writeTexture("ShieldPowerUpTexture", iconTile({0.03f, 0.1f, 0.45f}, {0.1f, 0.3f, 0.7f},
                                                         {0.55f, 0.7f, 0.95f}, insideShield));
}

void ItemAssets::writeHearts(const AssetFolder& folder) {
    const int size = 128;
    auto outer = [](float x, float y) { return insideHeart(x * 1.25f, y * 1.25f); };
    auto inner = [](float x, float y) { return insideHeart(x * 1.5f, y * 1.5f); };
    // Pure black is the background the heart shader keys out.
    Image full(size, size);
    Image empty(size, size);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const float t = 1.0f - (y + 0.5f) / size;
            const float ring = coverage(x, y, size, 1.0f, outer);
            const float core = coverage(x, y, size, 1.0f, inner);
            full.blend(x, y, {0.45f, 0.02f, 0.05f}, ring);
            full.blend(x, y, glm::mix(glm::vec3(0.75f, 0.05f, 0.1f), glm::vec3(1.0f, 0.3f, 0.35f), t), core);
            empty.blend(x, y, {0.62f, 0.62f, 0.66f}, ring);
            empty.blend(x, y, {0.16f, 0.16f, 0.18f}, core);
        }
    }
    full.blendDisc({size * 0.34f, size * 0.33f}, size * 0.07f, glm::vec3(1.0f, 0.85f, 0.85f), 0.8f);
    folder.writeTexture("FullHeart", full);
    folder.writeTexture("EmptyHeart", empty);
}

} // namespace Velmora
