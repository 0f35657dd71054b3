#include "postfx/scene_framebuffer.hpp"
#include "render/shadow_blur.hpp"
#include "support/gl_pixels.hpp"
#include "support/raw_texture.hpp"

#include <gtest/gtest.h>

namespace Velmora {
namespace {

constexpr int size = ShadowBlur::size;
constexpr int centre = size / 2;

// A map empty but for one texel at its centre, which lies nearest the light: the blur lowers the depth around
// it by the kernel's weights, and everywhere else keeps the blur of the empty map.
TEST(ShadowBlurGL, SpreadsASingleNearTexelSymmetricallyAndKeepsItsTotal) {
    const SceneFramebuffer sceneFramebuffer;
    const ShadowBlur shadowBlur(sceneFramebuffer.quad->vao, sceneFramebuffer.quad->indexCount);
    std::vector<unsigned char> source(static_cast<size_t>(size * size * 3), 255);
    const size_t near = static_cast<size_t>((centre * size + centre) * 3);
    source[near] = source[near + 1] = source[near + 2] = 0;
    const TestSupport::RawTexture sourceTexture(size, size, source);

    shadowBlur.blur(sourceTexture.id, sceneFramebuffer.quad->vao, sceneFramebuffer.quad->indexCount);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    const std::vector<unsigned char> result = TestSupport::readTexture(shadowBlur.resultTexture, size, size);
    // The result holds whole 1/255 steps in red and the remainder, scaled by 255, in green.
    const auto depthAt = [&](int x, int y) {
        const size_t texel = static_cast<size_t>((y * size + x) * 3);
        return (result[texel] + result[texel + 1] / 255.0) / 255.0;
    };
    const double empty = depthAt(0, 0);
    const auto at = [&](int x, int y) { return empty - depthAt(x, y); };

    double total = 0.0;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            total += at(x, y);
        }
    }
    EXPECT_NEAR(total, 1.0, 0.02);
    const double peak = at(centre, centre);
    EXPECT_GT(peak, 0.0);
    EXPECT_LT(peak, 0.05);
    constexpr double texelTolerance = 1e-4;
    for (int k = 1; k <= 6; ++k) {
        SCOPED_TRACE(k);
        EXPECT_LT(at(centre + k, centre), at(centre + k - 1, centre));
        EXPECT_NEAR(at(centre + k, centre), at(centre - k, centre), texelTolerance);
        EXPECT_NEAR(at(centre, centre + k), at(centre, centre - k), texelTolerance);
        EXPECT_NEAR(at(centre + k, centre), at(centre, centre + k), texelTolerance);
        EXPECT_NEAR(at(centre + k, centre + k), at(centre - k, centre - k), texelTolerance);
    }
    // The blur stays local: nothing reaches beyond the kernel's reach.
    EXPECT_EQ(at(centre + 12, centre), 0.0);
    EXPECT_EQ(at(centre, centre - 12), 0.0);
    EXPECT_EQ(at(centre + 12, centre + 12), 0.0);
}

} // namespace
} // namespace Velmora
