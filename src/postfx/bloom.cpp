#include "postfx/bloom.hpp"

#include "render/full_screen_pass.hpp"

namespace Velmora {

Bloom::Bloom()
    : brightTarget(reducedWidth, reducedHeight), horizontalTarget(reducedWidth, reducedHeight),
      verticalTarget(width, height), resultTarget(width, height), resultTexture(resultTarget.texture),
      bloomShader(std::make_unique<Shader>("Shaders/BloomShader.vert", "Shaders/BloomShader.frag")),
      verticalBlurShader(
          std::make_unique<Shader>("Shaders/GaussVerticalBloom.vert", "Shaders/GaussVerticalBloom.frag")),
      horizontalBlurShader(
          std::make_unique<Shader>("Shaders/GaussHorizontalBloom.vert", "Shaders/GaussHorizontalBloom.frag")),
      brightPassShader(
          std::make_unique<Shader>("Shaders/BrightPassShader.vert", "Shaders/BrightPassShader.frag")) {}

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
