#include "player_assets.hpp"

#include "asset_folder.hpp"
#include "image.hpp"
#include "mesh_builder.hpp"
#include "noise.hpp"
#include "rng.hpp"

#include <cmath>
#include <glm/common.hpp>
#include <glm/geometric.hpp>
#include <glm/gtc/matrix_transform.hpp>
#include <string>

namespace Velmora {
namespace {

constexpr int textureSize = 256;
const glm::vec3 skinColor(0.45f, 0.78f, 0.40f);

void writeEllipsoid(const AssetFolder& folder, const std::string& name, const glm::vec3& centre,
                    const glm::vec3& radii, const UvRect& rect = UvRect{}, float tiltZ = 0.0f) {
    MeshBuilder mesh;
    const glm::mat3 tilt(glm::rotate(glm::mat4(1.0f), tiltZ, glm::vec3(0.0f, 0.0f, 1.0f)));
    mesh.addEllipsoid(centre, radii, rect, 32, 18, tilt);
    folder.writeMesh(name, mesh);
}

// Pixel position of an ellipsoid's (u, v); v grows upwards, so it counts from the image's bottom row.
glm::vec2 pixelOf(float u, float v) {
    return {u * textureSize, (1.0f - v) * textureSize};
}

} // namespace

void PlayerAssets::write(const AssetFolder& folder) {
    writeMeshes(folder);
    writeSkin(folder);
    writeBody(folder);
    writeEye(folder);
    writeEyeBall(folder);
    writeShoe(folder);
    writeMetal(folder);
}

void PlayerAssets::writeMeshes(const AssetFolder& folder) {
    writeEllipsoid(folder, "Player_Body", {0.0f, -0.01f, 0.0f}, {0.03f, 0.03f, 0.027f});
    writeEllipsoid(folder, "Player_Head", {0.0f, 0.045f, 0.0f}, glm::vec3(0.028f));
    writeEllipsoid(folder, "Player_Eye", {0.0f, 0.049f, 0.023f}, {0.013f, 0.013f, 0.0065f});
    writeEllipsoid(folder, "Player_EyeBall", {0.0f, 0.049f, 0.0285f}, {0.006f, 0.006f, 0.0035f});
    // The arms take the plain top band of the skin texture, away from the face painted on the head.
    const UvRect plainSkin{0.0f, 0.8f, 1.0f, 1.0f};
    writeEllipsoid(folder, "Player_Arm_Left", {0.035f, -0.005f, 0.002f}, {0.008f, 0.016f, 0.009f}, plainSkin,
                   0.35f);
    writeEllipsoid(folder, "Player_Arm_Right", {-0.035f, -0.005f, 0.002f}, {0.008f, 0.016f, 0.009f},
                   plainSkin, -0.35f);
    writeEllipsoid(folder, "Player_Foot_Left", {0.014f, -0.042f, 0.007f}, {0.011f, 0.008f, 0.017f});
    writeEllipsoid(folder, "Player_Foot_Right", {-0.014f, -0.042f, 0.007f}, {0.011f, 0.008f, 0.017f});
}

void PlayerAssets::writeSkin(const AssetFolder& folder) {
    const Noise noise(41);
    Image image(textureSize, textureSize);
    image.fillTiledNoise(noise, 8, 3, skinColor * 0.88f, skinColor * 1.12f);
    // A smile and rosy cheeks on the front of the head (u = 0.5), below the eye.
    const glm::vec3 mouth(0.25f, 0.1f, 0.12f);
    for (int step = 0; step < 16; ++step) {
        auto smileAt = [](float s) {
            const float x = s * 2.0f - 1.0f;
            return pixelOf(0.5f + 0.05f * x, 0.335f - 0.035f * (1.0f - x * x));
        };
        image.blendLine(smileAt(step / 16.0f), smileAt((step + 1) / 16.0f), 1.6f, mouth, 1.0f);
    }
    for (float side : {-1.0f, 1.0f}) {
        for (int ring = 0; ring < 4; ++ring) {
            image.blendDisc(pixelOf(0.5f + side * 0.105f, 0.4f), 7.0f - ring * 1.5f, {0.95f, 0.5f, 0.5f},
                            0.18f);
        }
    }
    folder.writeTexture("PlayerSkinTexture", image);
}

void PlayerAssets::writeBody(const AssetFolder& folder) {
    const Noise noise(51);
    Image image(textureSize, textureSize);
    const glm::vec3 denim(0.18f, 0.32f, 0.62f);
    for (int y = 0; y < textureSize; ++y) {
        for (int x = 0; x < textureSize; ++x) {
            const float v = 1.0f - (y + 0.5f) / textureSize;
            const float n = noise.tiledFractal(x * 16.0f / textureSize, y * 16.0f / textureSize, 16, 2);
            const bool stripe = static_cast<int>(y / 10) % 2 == 0;
            const glm::vec3 shirt = stripe ? glm::vec3(0.98f, 0.85f, 0.3f) : glm::vec3(0.97f, 0.95f, 0.9f);
            image.set(x, y, v < 0.58f ? denim * (0.85f + 0.3f * n) : shirt);
        }
    }
    // Straps over the shirt to the front, a bib pocket and two buttons.
    for (float side : {-1.0f, 1.0f}) {
        image.blendLine(pixelOf(0.5f + side * 0.07f, 0.55f), pixelOf(0.5f + side * 0.09f, 1.0f), 5.0f, denim,
                        1.0f);
        image.blendDisc(pixelOf(0.5f + side * 0.07f, 0.61f), 4.5f, {0.95f, 0.8f, 0.2f}, 1.0f);
    }
    const glm::vec2 pocketLow = pixelOf(0.44f, 0.32f);
    const glm::vec2 pocketHigh = pixelOf(0.56f, 0.5f);
    for (int y = static_cast<int>(pocketHigh.y); y < static_cast<int>(pocketLow.y); ++y) {
        for (int x = static_cast<int>(pocketLow.x); x < static_cast<int>(pocketHigh.x); ++x) {
            const bool seam =
                y < pocketHigh.y + 3 || x < pocketLow.x + 2 || x > pocketHigh.x - 3 || y > pocketLow.y - 3;
            image.blend(x, y, seam ? glm::vec3(0.95f, 0.75f, 0.3f) : denim * 0.8f, 1.0f);
        }
    }
    folder.writeTexture("PlayerBodyTexture", image);
}

void PlayerAssets::writeEye(const AssetFolder& folder) {
    Image image(textureSize, textureSize, glm::vec3(0.97f, 0.97f, 0.95f));
    // A ring around the front of the eye (u 0.5, v 0.5); around a pole a circle is twice as tall as wide in
    // uv.
    const glm::vec2 front = pixelOf(0.5f, 0.5f);
    for (int y = 0; y < textureSize; ++y) {
        for (int x = 0; x < textureSize; ++x) {
            const glm::vec2 d((x + 0.5f - front.x) / 32.0f, (y + 0.5f - front.y) / 64.0f);
            const float ring = std::exp(-std::pow((glm::length(d) - 1.0f) * 6.0f, 2.0f));
            image.blend(x, y, {0.55f, 0.72f, 0.9f}, 0.55f * ring);
        }
    }
    folder.writeTexture("PlayerEyeTexture", image);
}

void PlayerAssets::writeEyeBall(const AssetFolder& folder) {
    Image image(textureSize, textureSize, glm::vec3(0.04f, 0.03f, 0.06f));
    // The highlight sits up and to the character's left of the pupil's front.
    image.blendDisc(pixelOf(0.44f, 0.64f), 10.0f, glm::vec3(1.0f), 0.6f);
    image.blendDisc(pixelOf(0.44f, 0.64f), 6.0f, glm::vec3(1.0f), 1.0f);
    image.blendDisc(pixelOf(0.55f, 0.42f), 3.0f, glm::vec3(0.8f), 0.7f);
    folder.writeTexture("PlayerEyeBallTexture", image);
}

void PlayerAssets::writeShoe(const AssetFolder& folder) {
    const Noise noise(61);
    Image image(textureSize, textureSize);
    for (int y = 0; y < textureSize; ++y) {
        for (int x = 0; x < textureSize; ++x) {
            const float v = 1.0f - (y + 0.5f) / textureSize;
            const float n = noise.tiledFractal(x * 16.0f / textureSize, y * 16.0f / textureSize, 16, 3);
            const glm::vec3 leather = glm::vec3(0.58f, 0.2f, 0.1f) * (0.85f + 0.3f * n);
            image.set(x, y, v < 0.3f ? glm::vec3(0.22f, 0.13f, 0.08f) : leather);
        }
    }
    // Laces criss-cross the top of the toe cap.
    for (int lace = 0; lace < 3; ++lace) {
        const float v = 0.72f + lace * 0.07f;
        image.blendLine(pixelOf(0.45f, v), pixelOf(0.55f, v + 0.05f), 1.5f, glm::vec3(0.95f), 1.0f);
        image.blendLine(pixelOf(0.55f, v), pixelOf(0.45f, v + 0.05f), 1.5f, glm::vec3(0.95f), 1.0f);
    }
    folder.writeTexture("PlayerShoeTexture", image);
}

void PlayerAssets::writeMetal(const AssetFolder& folder) {
    Rng rng(71);
    std::vector<float> grain(textureSize * textureSize);
    for (float& value : grain) {
        value = rng.unit();
    }
    Image image(textureSize, textureSize);
    const float twoPi = 6.2831853f;
    for (int y = 0; y < textureSize; ++y) {
        for (int x = 0; x < textureSize; ++x) {
            // Averaging the grain along x draws the long, fine streaks of a brushed surface.
            float streak = 0.0f;
            for (int k = -12; k <= 12; ++k) {
                streak += grain[y * textureSize + (x + k + textureSize) % textureSize];
            }
            streak = streak / 25.0f - 0.5f;
            const float band = std::pow(0.5f + 0.5f * std::sin(twoPi * (x + 2 * y) / textureSize), 6.0f);
            const float shade = 0.64f + 1.6f * streak + 0.3f * band;
            image.set(x, y, glm::vec3(shade, shade * 1.01f, shade * 1.04f));
        }
    }
    folder.writeTexture("MetalTexture", image);
}

} // namespace Velmora
