#include "postfx/scene_framebuffer.hpp"
#include "render/color_target.hpp"
#include "support/gl_pixels.hpp"
#include "support/raw_texture.hpp"

#include <gtest/gtest.h>

namespace Velmora {
namespace {

GLint integerState(GLenum name) {
    GLint value = 0;
    glGetIntegerv(name, &value);
    return value;
}

TEST(ScreenQuadModelGL, CopiesTheTextureUnchangedAndLeavesNothingBound) {
    const SceneFramebuffer sceneFramebuffer;
    constexpr int size = 8;
    // A different colour in every texel: a flip, a shift or a blend between texels would show.
    std::vector<unsigned char> pixels;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            pixels.insert(pixels.end(),
                          {static_cast<unsigned char>(10 + 30 * x), static_cast<unsigned char>(10 + 30 * y),
                           static_cast<unsigned char>(200 - 12 * (x + y))});
        }
    }
    const TestSupport::RawTexture source(size, size, pixels);
    const ColorTarget target(size, size);

    glBindFramebuffer(GL_FRAMEBUFFER, target.framebuffer);
    glViewport(0, 0, size, size);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    sceneFramebuffer.quad->drawTexture(source.id);

    EXPECT_EQ(integerState(GL_CURRENT_PROGRAM), 0);
    EXPECT_EQ(integerState(GL_TEXTURE_BINDING_2D), 0);
    const std::vector<unsigned char> copied = TestSupport::readPixels(target.framebuffer, 0, 0, size, size);
    ASSERT_EQ(copied.size(), pixels.size());
    for (size_t i = 0; i < pixels.size(); ++i) {
        EXPECT_NEAR(copied[i], pixels[i], 1) << "byte " << i;
    }
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
}

} // namespace
} // namespace Velmora
