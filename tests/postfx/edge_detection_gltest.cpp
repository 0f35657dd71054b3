#include "math/camera.hpp"
#include "postfx/edge_detection.hpp"
#include "postfx/scene_framebuffer.hpp"
#include "support/gl_pixels.hpp"
#include "support/raw_texture.hpp"

#include <algorithm>
#include <gtest/gtest.h>

namespace Velmora {
namespace {

constexpr int width = EdgeDetection::width;
constexpr int height = EdgeDetection::height;

struct Outlined {
    std::vector<unsigned char> edges;
    std::vector<unsigned char> result;

    // The texels from (x, y) on, one step at a time, that hold any ink.
    std::vector<int> inkedAlong(int x, int y, int dx, int dy, int steps) const {
        std::vector<int> inked;
        for (int step = 0; step < steps; ++step, x += dx, y += dy) {
            if (edges[static_cast<size_t>((y * width + x) * 3)] < 255) {
                inked.push_back(dx != 0 ? x : y);
            }
        }
        return inked;
    }
};

Outlined outline(const std::vector<unsigned char>& colors, const std::vector<float>& depths) {
    const SceneFramebuffer sceneFramebuffer;
    const EdgeDetection edgeDetection;
    const TestSupport::RawTexture colorTexture(width, height, colors);
    const TestSupport::RawTexture depthTexture(width, height, depths);
    edgeDetection.applyEdges(colorTexture.id, depthTexture.id, sceneFramebuffer.quad->vao,
                             sceneFramebuffer.quad->indexCount);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    return {TestSupport::readTexture(edgeDetection.edgeTexture, width, height),
            TestSupport::readTexture(edgeDetection.resultTexture, width, height)};
}

// The stored depth of a point at the given distance from the eye, as the game's projection stores it.
float storedDepth(float distance) {
    return (1.0f - Camera::nearPlane / distance) / (1.0f - Camera::nearPlane / Camera::farPlane);
}

TEST(EdgeDetectionGL, SkyAloneHasNoOutlinesAndKeepsItsColours) {
    const std::vector<unsigned char> colors = TestSupport::patternedPicture(width, height);
    const Outlined sky = outline(colors, std::vector<float>(static_cast<size_t>(width * height), 1.0f));
    EXPECT_EQ(*std::min_element(sky.edges.begin(), sky.edges.end()), 255);
    EXPECT_LE(TestSupport::largestDifference(sky.result, colors), 2);
}

TEST(EdgeDetectionGL, OutlinesASilhouetteTwoTexelsWideAtEveryDistanceButNotTheFlatFaceWithin) {
    constexpr int left = 600, right = 1200, bottom = 300, top = 700, groundTop = 100;
    constexpr unsigned char grey = 150;
    const std::vector<unsigned char> colors(static_cast<size_t>(width * height * 3), grey);
    for (const float nearest : {0.5f, 1.5f, 6.0f}) {
        SCOPED_TRACE(nearest);
        // On the sky, a flat face turned away from the eye, twice as far at its right edge as at its left
        // (stored depth is affine across the screen on a flat face); ground in the bottom rows, up to the
        // border.
        std::vector<float> depths(static_cast<size_t>(width * height), 1.0f);
        std::fill_n(depths.begin(), groundTop * width, storedDepth(nearest));
        for (int y = bottom; y < top; ++y) {
            for (int x = left; x < right; ++x) {
                const float across = static_cast<float>(x - left) / (right - left);
                depths[static_cast<size_t>(y * width + x)] =
                    storedDepth(nearest) + across * (storedDepth(2.0f * nearest) - storedDepth(nearest));
            }
        }
        const Outlined face = outline(colors, depths);

        EXPECT_EQ(face.inkedAlong(0, 500, 1, 0, width), (std::vector<int>{left - 1, left, right - 1, right}));
        // Nothing of the ground at the bottom border shows at the top border.
        EXPECT_EQ(face.inkedAlong(900, 0, 0, 1, height),
                  (std::vector<int>{groundTop - 1, groundTop, bottom - 1, bottom, top - 1, top}));
        // The ink darkens the colour under it, on the sky's side too, without blotting it out.
        const int outlined = face.result[static_cast<size_t>((500 * width + left - 1) * 3)];
        EXPECT_GT(outlined, 0);
        EXPECT_LT(outlined, grey / 2);
    }
    // A face 1.5 % nearer than the ground behind it, as the character before the grass: full ink on both
    // sides.
    std::vector<float> depths(static_cast<size_t>(width * height), storedDepth(1.5f * 1.015f));
    for (int y = bottom; y < top; ++y) {
        std::fill_n(depths.begin() + y * width + left, right - left, storedDepth(1.5f));
    }
    const Outlined character = outline(colors, depths);
    for (const int x : {left - 1, left}) {
        EXPECT_EQ(character.edges[static_cast<size_t>((500 * width + x) * 3)], 0) << x;
    }
}

} // namespace
} // namespace Velmora
