#include "postfx/scene_framebuffer.hpp"

#include "render/framebuffer_setup.hpp"

namespace Velmora {

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
    allocateLinearTexture(sceneColorTexture, width, height, GL_RGB, GL_RGB);
    allocateLinearTexture(sceneDepthTexture, width, height, GL_DEPTH_COMPONENT24, GL_DEPTH_COMPONENT);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, sceneColorTexture, 0);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_TEXTURE_2D, sceneDepthTexture, 0);
    finishColorFramebuffer();
}

} // namespace Velmora
