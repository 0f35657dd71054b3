#include "math/camera.hpp"
#include "postfx/edge_detection.hpp"
#include "postfx/raw_texture.hpp"
#include "postfx/scene_framebuffer.hpp"
#include "support/gl_pixels.hpp"

#include <algorithm>
#include <gtest/gtest.h>

namespace Velmora {
namespace {

constexpr int width = EdgeDetection::width;
constexpr int height = EdgeDetection::height;

size_t byteOf(int x, int y) {
    return static_cast<size_t>((y * width + x) * 3);
}

// The stored depth of a point at the given distance from the eye, as the game's projection stores it.
float storedDepth(float distance) {
    return (1.0f - Camera::nearPlane / distance) / (1.0f - Camera::nearPlane / Camera::farPlane);
}

class EdgeDetectionGL : public testing::Test {
protected:
    // Runs both passes and reads back the outlines (how much ink each texel holds, 0 to 255) and the result.
    void outline(const std::vector<unsigned char>& colors, const std::vector<float>& depths) {
        const TestSupport::RawTexture colorTexture(width, height, colors);
        const TestSupport::RawTexture depthTexture(width, height, depths);
        edgeDetection.applyEdges(colorTexture.id, depthTexture.id, sceneFramebuffer.quad->vao,
                                 sceneFramebuffer.quad->indexCount);
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
        edgeImage = TestSupport::readTexture(edgeDetection.edgeTexture, width, height);
        result = TestSupport::readTexture(edgeDetection.resultTexture, width, height);
    }

    int inkAt(int x, int y) const { return 255 - edgeImage[byteOf(x, y)]; }

    // The most ink in a rectangle of texels.
    int mostInk(int left, int bottom, int right, int top) const {
        int most = 0;
        for (int y = bottom; y < top; ++y) {
            for (int x = left; x < right; ++x) {
                most = std::max(most, inkAt(x, y));
            }
        }
        return most;
    }

    const SceneFramebuffer sceneFramebuffer;
    const EdgeDetection edgeDetection;
    std::vector<unsigned char> edgeImage;
    std::vector<unsigned char> result;
};

TEST_F(EdgeDetectionGL, SkyAloneHasNoOutlinesAndKeepsItsColours) {
    const std::vector<unsigned char> colors = TestSupport::patternedPicture(width, height);
    outline(colors, std::vector<float>(static_cast<size_t>(width * height), 1.0f));

    EXPECT_EQ(mostInk(0, 0, width, height), 0);
    EXPECT_LE(TestSupport::largestDifference(result, colors), 2);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(EdgeDetectionGL, OutlinesTheSilhouetteOfAFlatFaceAtEveryDistanceButNotTheFaceItself) {
    constexpr int left = 600;
    constexpr int right = 1200;
    constexpr int bottom = 300;
    constexpr int top = 700;
    constexpr int groundRows = 100;
    constexpr unsigned char grey = 150;
    const std::vector<unsigned char> colors(static_cast<size_t>(width * height * 3), grey);

    for (const float nearest : {0.5f, 1.5f, 6.0f}) {
        SCOPED_TRACE(nearest);
        // A flat face turned away from the eye, twice as far at its right edge as at its left, on the sky.
        // Stored depth is affine across the screen on a flat face. Ground fills the bottom rows, up to the
        // picture's border.
        const float leftDepth = storedDepth(nearest);
        const float rightDepth = storedDepth(2.0f * nearest);
        std::vector<float> depths(static_cast<size_t>(width * height), 1.0f);
        std::fill(depths.begin(), depths.begin() + groundRows * width, leftDepth);
        for (int y = bottom; y < top; ++y) {
            for (int x = left; x < right; ++x) {
                const float across = static_cast<float>(x - left) / (right - left);
                depths[static_cast<size_t>(y * width + x)] = leftDepth + across * (rightDepth - leftDepth);
            }
        }
        outline(colors, depths);

        // One or two texels of ink wherever the silhouette is crossed, on each of its four sides.
        const auto inkedTexels = [&](int x0, int y0, int dx, int dy) {
            int count = 0;
            for (int step = -6; step <= 6; ++step) {
                count += inkAt(x0 + step * dx, y0 + step * dy) > 127 ? 1 : 0;
            }
            return count;
        };
        for (const int count : {inkedTexels(left, 500, 1, 0), inkedTexels(right, 500, 1, 0),
                                inkedTexels(900, bottom, 0, 1), inkedTexels(900, top, 0, 1)}) {
            EXPECT_GE(count, 1);
            EXPECT_LE(count, 2);
        }
        EXPECT_EQ(mostInk(left + 2, bottom + 2, right - 2, top - 2), 0);
        EXPECT_EQ(mostInk(0, groundRows + 2, width, bottom - 2), 0);
        EXPECT_EQ(mostInk(right + 2, groundRows + 2, width, height), 0);
        // Nothing of the ground at the bottom border shows at the top border.
        EXPECT_EQ(mostInk(0, top + 2, width, height), 0);

        // The ink darkens the colour under it, on the sky's side too, without blotting it out.
        const int outlined = result[byteOf(left - 1, 500)];
        EXPECT_GT(outlined, 0);
        EXPECT_LT(outlined, grey / 2);
        EXPECT_NEAR(result[byteOf(900, 500)], grey, 1);
    }
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

} // namespace
} // namespace Velmora
