#include "postfx/shadow_blur.hpp"

#include "postfx/full_screen_pass.hpp"

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
    drawFullScreenPass(firstTarget, *horizontalShader, {{"depthTexture", sourceTexture}}, quadVao,
                       quadIndexCount);
    drawFullScreenPass(secondTarget, *verticalShader, {{"depthTexture", firstTarget.texture}}, quadVao,
                       quadIndexCount);
}

} // namespace Velmora
