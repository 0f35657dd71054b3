#include "postfx/shadow_blur.hpp"

#include "render/gl_uniforms.hpp"

#include <utility>

namespace Velmora {

ShadowBlur::ShadowBlur()
    : horizontalShader(std::make_unique<Shader>("Shaders/GaussHorizontalShadowShader.vert",
                                                "Shaders/GaussHorizontalShadowShader.frag")),
      verticalShader(std::make_unique<Shader>("Shaders/GaussVerticalShadowShader.vert",
                                              "Shaders/GaussVerticalShadowShader.frag")),
      firstTarget(size, size), secondTarget(size, size), resultTexture(secondTarget.texture) {}

// Both programs go before the targets, which then release themselves, texture before framebuffer.
ShadowBlur::~ShadowBlur() {
    horizontalShader.reset();
    verticalShader.reset();
    // Members would go in reverse order; moving the first target out here releases it ahead of the second.
    const ColorTarget releasedFirst(std::move(firstTarget));
}

void ShadowBlur::blur(GLuint sourceTexture, GLuint quadVao, GLuint quadIndexCount) const {
    glViewport(0, 0, size, size);
    blurInto(firstTarget, *horizontalShader, sourceTexture, quadVao, quadIndexCount);
    blurInto(secondTarget, *verticalShader, firstTarget.texture, quadVao, quadIndexCount);
}

void ShadowBlur::blurInto(const ColorTarget& target, const Shader& shader, GLuint sourceTexture,
                          GLuint quadVao, GLuint quadIndexCount) {
    glBindFramebuffer(GL_FRAMEBUFFER, target.framebuffer);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glUseProgram(shader.program);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, sourceTexture);
    setUniform(shader.program, "depthTexture", 0);
    drawIndexedTriangles(quadVao, quadIndexCount);
    glBindTexture(GL_TEXTURE_2D, 0);
    glUseProgram(0);
}

} // namespace Velmora
