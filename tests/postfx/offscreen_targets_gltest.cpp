#include "postfx/bloom.hpp"
#include "postfx/edge_detection.hpp"
#include "postfx/scene_framebuffer.hpp"
#include "render/color_target.hpp"
#include "render/shadow_blur.hpp"
#include "render/shadow_map.hpp"
#include "support/fatal_exit.hpp"
#include "support/gl_context.hpp"

#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

namespace Velmora {
namespace {

struct Size {
    GLint width;
    GLint height;
    bool operator==(const Size& other) const { return width == other.width && height == other.height; }
};

Size textureSize(GLuint texture) {
    Size size{0, 0};
    glBindTexture(GL_TEXTURE_2D, texture);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &size.width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &size.height);
    glBindTexture(GL_TEXTURE_2D, 0);
    return size;
}

bool isComplete(GLuint framebuffer) {
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    const bool complete = glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    return complete;
}

void resizeWindow(int width, int height) {
    glfwSetWindowSize(glTestWindow(), width, height);
    glfwPollEvents();
}

TEST(OffscreenTargetsGL, StayCompleteAndKeepTheirSizesWhateverTheWindowSize) {
    const ShadowMap shadowMap;
    const SceneFramebuffer sceneFramebuffer;
    const ShadowBlur shadowBlur(sceneFramebuffer.quad->vao, sceneFramebuffer.quad->indexCount);
    const EdgeDetection edgeDetection;
    const Bloom bloom;
    const Size scene{1800, 1000};
    const Size shadow{1024, 1024};
    const Size reduced{225, 125};
    const auto expectTarget = [](const ColorTarget& target, const Size& size) {
        EXPECT_TRUE(isComplete(target.framebuffer));
        EXPECT_TRUE(textureSize(target.texture) == size);
    };

    for (const Size& window : {Size{320, 180}, Size{1920, 1080}, Size{64, 64}}) {
        resizeWindow(window.width, window.height);
        SCOPED_TRACE(std::to_string(window.width) + "x" + std::to_string(window.height));
        EXPECT_TRUE(isComplete(sceneFramebuffer.framebuffer));
        EXPECT_TRUE(textureSize(sceneFramebuffer.sceneColorTexture) == scene);
        EXPECT_TRUE(textureSize(sceneFramebuffer.sceneDepthTexture) == scene);
        EXPECT_TRUE(isComplete(shadowMap.framebuffer));
        EXPECT_TRUE(textureSize(shadowMap.depthTexture) == shadow);
        expectTarget(shadowBlur.firstTarget, shadow);
        expectTarget(shadowBlur.secondTarget, shadow);
        expectTarget(edgeDetection.edgeTarget, scene);
        expectTarget(edgeDetection.resultTarget, scene);
        expectTarget(bloom.brightTarget, reduced);
        expectTarget(bloom.horizontalTarget, reduced);
        expectTarget(bloom.verticalTarget, scene);
        expectTarget(bloom.resultTarget, scene);
    }
    EXPECT_EQ(shadowBlur.resultTexture, shadowBlur.secondTarget.texture);
}

// Every colour target of the passes is made the same way; one that cannot be complete, such as one without a
// single texel, ends the game with the framebuffer message.
TEST(OffscreenTargetsGLDeathTest, IncompleteTargetEndsTheGameWithTheFramebufferMessage) {
    EXPECT_FATAL_LINE(ColorTarget(0, 0), "Failed to initialize FBO!");
}

} // namespace
} // namespace Velmora
