#include "render/shadow_blur.hpp"

#include "render/full_screen_pass.hpp"

namespace Velmora {
namespace {

void scissorTo(int halfWidth, int halfHeight) {
    glScissor(ShadowBlur::size / 2 - halfWidth, ShadowBlur::size / 2 - halfHeight, 2 * halfWidth,
              2 * halfHeight);
}

} // namespace

ShadowBlur::ShadowBlur(GLuint quadVao, GLuint quadIndexCount)
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
    blurEmptyMap(quadVao, quadIndexCount);
}

void ShadowBlur::blur(GLuint sourceTexture, GLuint quadVao, GLuint quadIndexCount) const {
    // The first pass spreads the casters' disk sideways only, the second upwards and downwards as well.
    constexpr int caster = ShadowMap::casterTexelRadius;
    runPasses(sourceTexture, quadVao, quadIndexCount, {caster + passReach, caster},
              {caster + passReach, caster + passReach});
}

void ShadowBlur::blurWholeMap(GLuint sourceTexture, GLuint quadVao, GLuint quadIndexCount) const {
    runPasses(sourceTexture, quadVao, quadIndexCount, {size / 2, size / 2}, {size / 2, size / 2});
}

// Outside the casters' reach every frame would write the blur of a map with nothing on it: the passes write
// it once over the whole of both targets, from a map cleared as the shadow pass clears it, and no frame
// touches it again. Blending, on for the game's scene, stays off so that the passes write their own values.
void ShadowBlur::blurEmptyMap(GLuint quadVao, GLuint quadIndexCount) const {
    const ShadowMap emptyMap;
    emptyMap.bindCleared();
    const GLboolean blending = glIsEnabled(GL_BLEND);
    glDisable(GL_BLEND);
    blurWholeMap(emptyMap.depthTexture, quadVao, quadIndexCount);
    if (blending == GL_TRUE) {
        glEnable(GL_BLEND);
    }
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
}

void ShadowBlur::runPasses(GLuint sourceTexture, GLuint quadVao, GLuint quadIndexCount, Region first,
                           Region second) const {
    glViewport(0, 0, size, size);
    glEnable(GL_SCISSOR_TEST);
    scissorTo(first.halfWidth, first.halfHeight);
    glBindSampler(0, linearSampler);
    drawOverTarget(firstTarget, *horizontalShader, {{"depthTexture", sourceTexture}}, quadVao,
                   quadIndexCount);
    glBindSampler(0, 0);
    scissorTo(second.halfWidth, second.halfHeight);
    drawOverTarget(secondTarget, *verticalShader, {{"depthTexture", firstTarget.texture}}, quadVao,
                   quadIndexCount);
    glDisable(GL_SCISSOR_TEST);
}

} // namespace Velmora
