#include "postfx/scene_framebuffer.hpp"

#include "app/console.hpp"

namespace Velmora {
namespace {

void allocateLinearTexture(GLuint& texture, GLint internalFormat, GLenum format) {
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexImage2D(GL_TEXTURE_2D, 0, internalFormat, SceneFramebuffer::width, SceneFramebuffer::height, 0,
                 format, GL_UNSIGNED_BYTE, nullptr);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
}

} // namespace

SceneFramebuffer::SceneFramebuffer() {
    quadShader = std::make_unique<Shader>("Shaders/ScreenQuadShader.vert", "Shaders/ScreenQuadShader.frag");
    quad = std::make_unique<Scene::ScreenQuadModel>(glm::mat4(1.0f), quadShader.get(),
                                                    "SceneObjects/Screen_Quad.obj");
    createTarget();
}

// The quad's program goes first, then the quad, then the target and its two textures.
SceneFramebuffer::~SceneFramebuffer() {
    quadShader.reset();
    quad.reset();
    glDeleteFramebuffers(1, &framebuffer);
    glDeleteTextures(1, &sceneDepthTexture);
    glDeleteTextures(1, &sceneColorTexture);
}

void SceneFramebuffer::createTarget() {
    glGenFramebuffers(1, &framebuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    allocateLinearTexture(sceneColorTexture, GL_RGB, GL_RGB);
    allocateLinearTexture(sceneDepthTexture, GL_DEPTH_COMPONENT24, GL_DEPTH_COMPONENT);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, sceneColorTexture, 0);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_TEXTURE_2D, sceneDepthTexture, 0);
    const GLenum drawBuffer = GL_COLOR_ATTACHMENT0;
    glDrawBuffers(1, &drawBuffer);
    if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
        fatalError("Failed to initialize FBO!");
    }
    glBindRenderbuffer(GL_RENDERBUFFER, 0);
    glBindTexture(GL_TEXTURE_2D, 0);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
}

} // namespace Velmora
