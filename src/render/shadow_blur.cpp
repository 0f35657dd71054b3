#include "render/shadow_blur.hpp"

#include "render/full_screen_pass.hpp"

#include <utility>

namespace Velmora {

ShadowBlur::ShadowBlur()
    : horizontalShader(std::make_unique<Shader>("Shaders/GaussHorizontalShadowShader.vert",
                                                "Shaders/GaussHorizontalShadowShader.frag")),
      verticalShader(std::make_unique<Shader>("Shaders/GaussVerticalShadowShader.vert",
                                              "Shaders/GaussVerticalShadowShader.frag")),
      firstTarget(size, size), secondTarget(size, size), resultTexture(secondTarget.texture) {
    glGenSamplers(1, &linearSampler);
    glSamplerParameteri(linearSampler, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glSamplerParameteri(linearSampler, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glSamplerParameteri(linearSampler, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glSamplerParameteri(linearSampler, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
}

// Both programs go before the targets, which then release themselves, texture before framebuffer.
ShadowBlur::~ShadowBlur() {
    horizontalShader.reset();
    verticalShader.reset();
    glDeleteSamplers(1, &linearSampler);
    // Members would go in reverse order; moving the first target out here releases it ahead of the second.
    const ColorTarget releasedFirst(std::move(firstTarget));
}

void ShadowBlur::blur(GLuint sourceTexture, GLuint quadVao, GLuint quadIndexCount) const {
    glViewport(0, 0, size, size);
    glBindSampler(0, linearSampler);
    drawFullScreenPass(firstTarget, *horizontalShader, {{"depthTexture", sourceTexture}}, quadVao,
                       quadIndexCount);
    glBindSampler(0, 0);
    drawFullScreenPass(secondTarget, *verticalShader, {{"depthTexture", firstTarget.texture}}, quadVao,
                       quadIndexCount);
}

} // namespace Velmora
