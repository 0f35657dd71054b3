#include "postfx/bloom.hpp"

#include "render/full_screen_pass.hpp"

namespace Velmora {

Bloom::Bloom()
    : brightPassShader(
          std::make_unique<Shader>("Shaders/BrightPassShader.vert", "Shaders/BrightPassShader.frag")),
      horizontalBlurShader(
          std::make_unique<Shader>("Shaders/GaussHorizontalBloom.vert", "Shaders/GaussHorizontalBloom.frag")),
      verticalBlurShader(
          std::make_unique<Shader>("Shaders/GaussVerticalBloom.vert", "Shaders/GaussVerticalBloom.frag")),
      bloomShader(std::make_unique<Shader>("Shaders/BloomShader.vert", "Shaders/BloomShader.frag")),
      brightTarget(reducedWidth, reducedHeight), horizontalTarget(reducedWidth, reducedHeight),
      verticalTarget(width, height), resultTarget(width, height), resultTexture(resultTarget.texture) {}

// The programs go before the targets, which then release themselves.
Bloom::~Bloom() {
    brightPassShader.reset();
    horizontalBlurShader.reset();
    verticalBlurShader.reset();
    bloomShader.reset();
}

void Bloom::applyBloom(GLuint inputTexture, GLuint quadVao, GLuint quadIndexCount) const {
    glViewport(0, 0, reducedWidth, reducedHeight);
    drawFullScreenPass(brightTarget, *brightPassShader, {{"colorTexture", inputTexture}}, quadVao,
                       quadIndexCount);
    drawFullScreenPass(horizontalTarget, *horizontalBlurShader, {{"colorTexture", brightTarget.texture}},
                       quadVao, quadIndexCount);
    glViewport(0, 0, width, height);
    drawFullScreenPass(verticalTarget, *verticalBlurShader, {{"colorTexture", horizontalTarget.texture}},
                       quadVao, quadIndexCount);
    drawFullScreenPass(resultTarget, *bloomShader,
                       {{"colorTexture", inputTexture}, {"blurTexture", verticalTarget.texture}}, quadVao,
                       quadIndexCount);
}

} // namespace Velmora
