#include "render/shadow_blur.hpp"

#include "render/full_screen_pass.hpp"

#include <algorithm>
#include <cmath>

namespace Velmora {
namespace {

// As high as the software rasteriser's tiles and aligned with them, so that no tile is split between two
// draws.
constexpr int stripHeight = 64;

// The casters' disk widened by a pass's reach sideways and by verticalReach up and down, covered by strips of
// rows each as wide as its widest row: the stepped outline shades some 15% fewer texels than the disk's
// square, and two thirds of the map.
void coverCasterDisk(int verticalReach, const std::function<void()>& draw) {
    constexpr int radius = ShadowMap::casterTexelRadius;
    constexpr int centre = ShadowBlur::size / 2;
    const int halfHeight = radius + verticalReach;
    const int firstStrip = -(halfHeight + stripHeight - 1) / stripHeight * stripHeight;
    glEnable(GL_SCISSOR_TEST);
    for (int bottom = firstStrip; bottom < halfHeight; bottom += stripHeight) {
        const int from = std::max(bottom, -halfHeight);
        const int to = std::min(bottom + stripHeight, halfHeight);
        // Rows are counted from the centre; the strip's row nearest it is its widest, and the pass reads as
        // far as verticalReach rows nearer.
        const int nearest = std::max(0, std::max(from, -to) - verticalReach);
        const int halfWidth = ShadowBlur::passReach +
                              static_cast<int>(std::ceil(std::sqrt(radius * radius - nearest * nearest)));
        glScissor(centre - halfWidth, centre + from, 2 * halfWidth, to - from);
        draw();
    }
    glDisable(GL_SCISSOR_TEST);
}

void coverWholeMap(int, const std::function<void()>& draw) {
    draw();
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
    runPasses(sourceTexture, quadVao, quadIndexCount, coverCasterDisk);
}

void ShadowBlur::blurWholeMap(GLuint sourceTexture, GLuint quadVao, GLuint quadIndexCount) const {
    runPasses(sourceTexture, quadVao, quadIndexCount, coverWholeMap);
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
}

// The first pass spreads the map sideways only, the second up and down as well.
void ShadowBlur::runPasses(GLuint sourceTexture, GLuint quadVao, GLuint quadIndexCount, Cover cover) const {
    glViewport(0, 0, size, size);
    glBindSampler(0, linearSampler);
    cover(0, [&] {
        drawOverTarget(firstTarget, *horizontalShader, {{"depthTexture", sourceTexture}}, quadVao,
                       quadIndexCount);
    });
    glBindSampler(0, 0);
    cover(passReach, [&] {
        drawOverTarget(secondTarget, *verticalShader, {{"depthTexture", firstTarget.texture}}, quadVao,
                       quadIndexCount);
    });
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
}

} // namespace Velmora
