#include "postfx/scene_framebuffer.hpp"

#include "render/framebuffer_setup.hpp"

namespace Velmora {

SceneFramebuffer::SceneFramebuffer() {
    quadShader = std::make_unique<Shader>("Shaders/ScreenQuadShader.vert", "Shaders/ScreenQuadShader.frag");
    quad = std::make_unique<Scene::ScreenQuadModel>(glm::mat4(1.0f), quadShader.get(),
                                                    "SceneObjects/Screen_Quad.obj");
    createTarget();
}

void SceneFramebuffer::createTarget() {
    framebuffer = GlFramebuffer::generate();
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    sceneColorTexture = allocateLinearTexture(width, height, GL_RGB, GL_RGB);
    sceneDepthTexture = allocateLinearTexture(width, height, GL_DEPTH_COMPONENT24, GL_DEPTH_COMPONENT);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, sceneColorTexture, 0);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_TEXTURE_2D, sceneDepthTexture, 0);
    finishColorFramebuffer();
}

} // namespace Velmora
