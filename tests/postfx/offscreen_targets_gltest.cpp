#include "postfx/scene_framebuffer.hpp"
#include "postfx/shadow_blur.hpp"
#include "postfx/shadow_map.hpp"
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
    const ShadowBlur shadowBlur;
    const Size scene{1800, 1000};
    const Size shadow{1024, 1024};

    for (const Size& window : {Size{320, 180}, Size{1920, 1080}, Size{64, 64}}) {
        resizeWindow(window.width, window.height);
        SCOPED_TRACE(std::to_string(window.width) + "x" + std::to_string(window.height));
        EXPECT_TRUE(isComplete(sceneFramebuffer.framebuffer));
        EXPECT_TRUE(textureSize(sceneFramebuffer.sceneColorTexture) == scene);
        EXPECT_TRUE(textureSize(sceneFramebuffer.sceneDepthTexture) == scene);
        EXPECT_TRUE(isComplete(shadowMap.framebuffer));
        EXPECT_TRUE(textureSize(shadowMap.depthTexture) == shadow);
        EXPECT_TRUE(isComplete(shadowBlur.firstTarget.framebuffer));
        EXPECT_TRUE(textureSize(shadowBlur.firstTarget.texture) == shadow);
        EXPECT_TRUE(isComplete(shadowBlur.secondTarget.framebuffer));
        EXPECT_TRUE(textureSize(shadowBlur.resultTexture) == shadow);
    }
    EXPECT_EQ(shadowBlur.resultTexture, shadowBlur.secondTarget.texture);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

} // namespace
} // namespace Velmora
