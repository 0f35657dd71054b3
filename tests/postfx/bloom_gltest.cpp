#include "postfx/bloom.hpp"
#include "postfx/scene_framebuffer.hpp"
#include "support/gl_pixels.hpp"
#include "support/raw_texture.hpp"

#include <algorithm>
#include <gtest/gtest.h>
#include <utility>

namespace Velmora {
namespace {

constexpr int width = Bloom::width;
constexpr int height = Bloom::height;

std::vector<unsigned char> bloomOf(const std::vector<unsigned char>& picture) {
    const SceneFramebuffer sceneFramebuffer;
    const Bloom bloom;
    const TestSupport::RawTexture input(width, height, picture);
    bloom.applyBloom(input.id, sceneFramebuffer.quad->vao, sceneFramebuffer.quad->indexCount);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    return TestSupport::readTexture(bloom.resultTexture, width, height);
}

TEST(BloomGL, LeavesAPictureWithoutBrightPartsAsItIs) {
    const std::vector<unsigned char> picture = TestSupport::patternedPicture(width, height);
    EXPECT_LE(TestSupport::largestDifference(bloomOf(picture), picture), 1);
}

TEST(BloomGL, SpreadsABrightSpotIntoAGlowThatFadesAlikeInEveryDirection) {
    // White 16 x 16 lamps on a dark ground: one centred on the corner between texels (896, 496) and (895,
    // 495), one in the top left corner of the picture.
    constexpr int centreX = 896, centreY = 496, halfSize = 8;
    constexpr unsigned char ground = 40;
    std::vector<unsigned char> picture(static_cast<size_t>(width * height * 3), ground);
    for (const auto& [left, bottom] :
         {std::pair{centreX - halfSize, centreY - halfSize}, {0, height - 2 * halfSize}}) {
        for (int y = bottom; y < bottom + 2 * halfSize; ++y) {
            std::fill_n(picture.begin() + (y * width + left) * 3, 2 * halfSize * 3, 255);
        }
    }
    const std::vector<unsigned char> result = bloomOf(picture);
    const auto glowAt = [&](int x, int y) {
        return result[static_cast<size_t>((y * width + x) * 3)] - ground;
    };

    // d texels past the lamp's edge, to the right, left, top and bottom.
    int nearer = 255;
    for (int d = 0; d < 12; d += 3) {
        SCOPED_TRACE(d);
        const int right = glowAt(centreX + halfSize + d, centreY);
        EXPECT_NEAR(glowAt(centreX - halfSize - 1 - d, centreY), right, 2);
        EXPECT_NEAR(glowAt(centreX, centreY + halfSize + d), right, 2);
        EXPECT_NEAR(glowAt(centreX - 1, centreY - halfSize - 1 - d), right, 2);
        EXPECT_GT(right, 0);
        EXPECT_LT(right, nearer);
        nearer = right;
    }
    EXPECT_GT(glowAt(centreX + halfSize, centreY), 40);
    // The glow stays near its lamp, and nothing of the corner lamp's shows at the opposite borders.
    EXPECT_EQ(glowAt(centreX + 60, centreY), 0);
    EXPECT_EQ(glowAt(halfSize, 0), 0);
    EXPECT_EQ(glowAt(width - 1, height - halfSize), 0);
}

} // namespace
} // namespace Velmora
