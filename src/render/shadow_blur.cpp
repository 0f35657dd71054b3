#include "render/shadow_blur.hpp"

#include "render/full_screen_pass.hpp"

namespace Velmora {

ShadowBlur::ShadowBlur()
    : secondTarget(size, size), firstTarget(size, size), resultTexture(secondTarget.texture),
      linearSampler(GlSampler::generate()),
      verticalShader(std::make_unique<Shader>("Shaders/GaussVerticalShadowShader.vert",
                                              "Shaders/GaussVerticalShadowShader.frag")),
      horizontalShader(std::make_unique<Shader>("Shaders/GaussHorizontalShadowShader.vert",
                                                "Shaders/GaussHorizontalShadowShader.frag")) {
    glSamplerParameteri(linearSampler, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glSamplerParameteri(linearSampler, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glSamplerParameteri(linearSampler, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glSamplerParameteri(linearSampler, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
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
