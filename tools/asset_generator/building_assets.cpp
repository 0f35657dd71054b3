#include "building_assets.hpp"

#include "asset_folder.hpp"
#include "image.hpp"
#include "mesh_builder.hpp"
#include "noise.hpp"
#include "rng.hpp"

#include <cmath>
#include <functional>
#include <glm/common.hpp>
#include <glm/geometric.hpp>

namespace Velmora {
namespace {

// Regions of the house atlas.
const UvRect wallRegion{0.0f, 0.5f, 0.5f, 1.0f};
const UvRect roofRegion{0.5f, 0.5f, 1.0f, 1.0f};
const UvRect doorRegion{0.0f, 0.0f, 0.25f, 0.5f};
const UvRect windowRegion{0.25f, 0.25f, 0.5f, 0.5f};
const UvRect stoneRegion{0.25f, 0.0f, 0.5f, 0.25f};
const UvRect brickRegion{0.5f, 0.0f, 0.75f, 0.5f};
const UvRect trimRegion{0.75f, 0.0f, 1.0f, 0.5f};

// Regions of the lantern atlas.
const UvRect metalRegion{0.0f, 0.0f, 0.5f, 1.0f};
const UvRect glassRegion{0.5f, 0.0f, 1.0f, 1.0f};

// House measures: half width (x), half depth (z), floor, top of the walls and ridge.
constexpr float halfWidth = 0.08f;
constexpr float halfDepth = 0.07f;
constexpr float floorY = -0.06f;
constexpr float wallTop = 0.04f;
constexpr float ridge = 0.10f;

// Paints one atlas region; the painter gets (s, t) in [0, 1] with t growing upwards, like v.
void paintRegion(Image& image, const UvRect& rect, const std::function<glm::vec3(float, float)>& painter) {
    const int x0 = static_cast<int>(rect.u0 * image.width());
    const int x1 = static_cast<int>(rect.u1 * image.width());
    const int y0 = static_cast<int>((1.0f - rect.v1) * image.height());
    const int y1 = static_cast<int>((1.0f - rect.v0) * image.height());
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            const float s = (x + 0.5f - x0) / (x1 - x0);
            const float t = 1.0f - (y + 0.5f - y0) / (y1 - y0);
            image.set(x, y, painter(s, t));
        }
    }
}

// Whether (s, t) lies within `width` of the border of the unit square.
bool nearEdge(float s, float t, float width) {
    return s < width || t < width || s > 1.0f - width || t > 1.0f - width;
}

glm::vec3 roofTile(float s, float t, const Noise& noise) {
    const float rows = 7.0f;
    const float row = std::floor(t * rows);
    const float within = t * rows - row;
    const float column = s * 6.0f + 0.5f * std::fmod(row, 2.0f);
    const float tileShade = noise.tiled(std::floor(column) * 3.1f, row * 5.3f, 64);
    const float edge = std::fmod(column, 1.0f) < 0.05f || within < 0.12f ? 0.55f : 1.0f;
    // Each tile darkens towards its lower edge where the next row overlaps it.
    return glm::vec3(0.72f, 0.25f, 0.15f) * (0.75f + 0.35f * tileShade) * (0.7f + 0.3f * within) * edge;
}

glm::vec3 brick(float s, float t, float rows, const glm::vec3& color, const Noise& noise) {
    const float row = std::floor(t * rows);
    const float column = s * rows * 0.5f + 0.5f * std::fmod(row, 2.0f);
    const bool mortar = std::fmod(t * rows, 1.0f) < 0.15f || std::fmod(column, 1.0f) < 0.08f;
    const float shade = noise.tiled(std::floor(column) * 2.7f, row * 4.1f, 64);
    return mortar ? glm::vec3(0.75f, 0.72f, 0.66f) : color * (0.8f + 0.35f * shade);
}

glm::vec3 door(float s, float t, const Noise& noise) {
    if (nearEdge(s, t, 0.08f)) {
        return {0.3f, 0.18f, 0.09f};
    }
    if (glm::length(glm::vec2((s - 0.78f) * 0.5f, t - 0.45f)) < 0.03f) {
        return {0.95f, 0.8f, 0.3f};
    }
    const float plank = std::fmod(s * 4.0f, 1.0f);
    const float grain = noise.tiled(s * 40.0f, t * 4.0f, 64);
    return glm::vec3(0.55f, 0.34f, 0.17f) * (plank < 0.06f ? 0.6f : 0.85f + 0.3f * grain);
}

glm::vec3 windowPane(float s, float t) {
    if (nearEdge(s, t, 0.1f) || std::abs(s - 0.5f) < 0.04f || std::abs(t - 0.5f) < 0.04f) {
        return {0.95f, 0.95f, 0.92f};
    }
    const float glint = std::abs(std::fmod(s + t, 0.7f) - 0.35f) < 0.05f ? 0.25f : 0.0f;
    return glm::mix(glm::vec3(0.25f, 0.45f, 0.7f), glm::vec3(0.55f, 0.75f, 0.95f), t) + glint;
}

} // namespace

void BuildingAssets::write(const AssetFolder& folder) {
    MeshBuilder house;
    addHouseBody(house);
    addHouseRoof(house);
    addHouseDetails(house);
    folder.writeMesh("House", house);
    writeHouseTexture(folder);
    writeLantern(folder);
    writeLanternTexture(folder);
}

void BuildingAssets::addHouseBody(MeshBuilder& mesh) {
    for (float side : {1.0f, -1.0f}) {
        const float z = side * halfDepth;
        mesh.addPolygon({{-halfWidth, floorY, z},
                         {halfWidth, floorY, z},
                         {halfWidth, wallTop, z},
                         {-halfWidth, wallTop, z}},
                        wallRegion, {0.0f, 0.0f, side});
        const float x = side * halfWidth;
        mesh.addPolygon({{x, floorY, halfDepth},
                         {x, floorY, -halfDepth},
                         {x, wallTop, -halfDepth},
                         {x, ridge, 0.0f},
                         {x, wallTop, halfDepth}},
                        wallRegion, {side, 0.0f, 0.0f});
    }
    // A stone plinth hides the line where the walls meet the ground.
    const float plinth = 0.004f;
    mesh.addBox({-halfWidth - plinth, floorY, -halfDepth - plinth},
                {halfWidth + plinth, -0.043f, halfDepth + plinth}, stoneRegion);
}

void BuildingAssets::addHouseRoof(MeshBuilder& mesh) {
    const float overhang = 0.022f;
    const float thickness = 0.008f;
    const float halfLength = halfWidth + 0.014f;
    const float slope = (ridge - wallTop) / halfDepth;
    for (float side : {1.0f, -1.0f}) {
        const float eaveZ = side * (halfDepth + overhang);
        const float eaveY = ridge - slope * (halfDepth + overhang);
        std::array<glm::vec3, 8> corners;
        for (int i = 0; i < 8; ++i) {
            const float x = (i & 1) ? halfLength : -halfLength;
            const float y = ((i & 4) ? eaveY : ridge) + ((i & 2) ? thickness : 0.0f);
            corners[i] = glm::vec3(x, y, (i & 4) ? eaveZ : 0.0f);
        }
        mesh.addHexahedron(corners, roofRegion);
    }
    mesh.addBox({-halfLength - 0.002f, ridge + thickness - 0.004f, -0.006f},
                {halfLength + 0.002f, ridge + thickness + 0.004f, 0.006f}, trimRegion);
}

void BuildingAssets::addHouseDetails(MeshBuilder& mesh) {
    const float proud = 0.003f;
    const float front = halfDepth;
    mesh.addBox({-0.016f, floorY + 0.012f, front - 0.001f}, {0.016f, 0.008f, front + proud}, doorRegion);
    mesh.addBox({-0.026f, floorY + 0.008f, front}, {0.026f, floorY + 0.013f, front + 0.012f}, stoneRegion);
    for (float x : {-0.05f, 0.05f}) {
        mesh.addBox({x - 0.016f, -0.02f, front - 0.001f}, {x + 0.016f, 0.016f, front + proud}, windowRegion);
        mesh.addBox({x - 0.016f, -0.02f, -front - proud}, {x + 0.016f, 0.016f, -front + 0.001f},
                    windowRegion);
    }
    for (float side : {1.0f, -1.0f}) {
        const float x = side * halfWidth;
        mesh.addBox({std::min(x, x + side * proud) - 0.001f, -0.018f, -0.018f},
                    {std::max(x, x + side * proud) + 0.001f, 0.018f, 0.018f}, windowRegion);
    }
    mesh.addBox({0.03f, 0.05f, -0.045f}, {0.052f, 0.125f, -0.023f}, brickRegion);
    mesh.addBox({0.027f, 0.125f, -0.048f}, {0.055f, 0.131f, -0.02f}, trimRegion);
}

void BuildingAssets::writeHouseTexture(const AssetFolder& folder) {
    const Noise noise(81);
    Image image(512, 512);
    paintRegion(image, wallRegion, [&](float s, float t) {
        const float n = noise.tiledFractal(s * 16.0f, t * 16.0f, 16, 3);
        return glm::vec3(0.95f, 0.88f, 0.72f) * (0.86f + 0.2f * n);
    });
    paintRegion(image, roofRegion, [&](float s, float t) { return roofTile(s, t, noise); });
    paintRegion(image, doorRegion, [&](float s, float t) { return door(s, t, noise); });
    paintRegion(image, windowRegion, [](float s, float t) { return windowPane(s, t); });
    paintRegion(image, stoneRegion,
                [&](float s, float t) { return brick(s, t, 4.0f, glm::vec3(0.55f, 0.55f, 0.52f), noise); });
    paintRegion(image, brickRegion,
                [&](float s, float t) { return brick(s, t, 12.0f, glm::vec3(0.62f, 0.26f, 0.18f), noise); });
    paintRegion(image, trimRegion, [&](float s, float t) {
        return glm::vec3(0.35f, 0.2f, 0.1f) * (0.85f + 0.25f * noise.tiled(s * 30.0f, t * 3.0f, 64));
    });
    folder.writeTexture("HouseTexture", image);
}

void BuildingAssets::writeLantern(const AssetFolder& folder) {
    MeshBuilder mesh;
    mesh.addBox({-0.012f, -0.01f, -0.012f}, {0.012f, 0.008f, 0.012f}, metalRegion);
    mesh.addBox({-0.006f, 0.008f, -0.006f}, {0.006f, 0.19f, 0.006f}, metalRegion);
    mesh.addBox({-0.02f, 0.19f, -0.02f}, {0.02f, 0.196f, 0.02f}, metalRegion);
    mesh.addBox({-0.016f, 0.196f, -0.016f}, {0.016f, 0.226f, 0.016f}, glassRegion);
    for (int corner = 0; corner < 4; ++corner) {
        const float x = (corner & 1) ? 0.016f : -0.016f;
        const float z = (corner & 2) ? 0.016f : -0.016f;
        mesh.addBox({x - 0.0025f, 0.196f, z - 0.0025f}, {x + 0.0025f, 0.226f, z + 0.0025f}, metalRegion);
    }
    std::array<glm::vec3, 8> cap;
    for (int i = 0; i < 8; ++i) {
        const float half = (i & 2) ? 0.005f : 0.022f;
        cap[i] = glm::vec3((i & 1) ? half : -half, (i & 2) ? 0.242f : 0.226f, (i & 4) ? half : -half);
    }
    mesh.addHexahedron(cap, metalRegion);
    mesh.addBox({-0.003f, 0.242f, -0.003f}, {0.003f, 0.249f, 0.003f}, metalRegion);
    folder.writeMesh("Lantern", mesh);
}

void BuildingAssets::writeLanternTexture(const AssetFolder& folder) {
    const Noise noise(91);
    Image image(256, 256);
    paintRegion(image, metalRegion, [&](float s, float t) {
        const float n = noise.tiledFractal(s * 8.0f, t * 16.0f, 8, 3);
        return glm::vec3(0.1f, 0.11f, 0.13f) * (0.8f + 0.5f * n);
    });
    paintRegion(image, glassRegion, [](float s, float t) {
        if (nearEdge(s, t, 0.06f) || std::abs(s - 0.5f) < 0.025f) {
            return glm::vec3(0.12f, 0.12f, 0.14f);
        }
        const float glow = 1.0f - glm::length(glm::vec2(s - 0.5f, t - 0.5f)) * 1.4f;
        return glm::mix(glm::vec3(1.0f, 0.72f, 0.2f), glm::vec3(1.0f, 0.97f, 0.7f),
                        glm::clamp(glow, 0.0f, 1.0f));
    });
    folder.writeTexture("LanternTexture", image);
}

} // namespace Velmora
