#pragma once

#include "render/color_target.hpp"
#include "render/shader.hpp"
#include "render/shadow_map.hpp"

#include <GL/glew.h>
#include <functional>
#include <memory>

namespace Velmora {

// Softens the shadow map in two Gaussian passes, horizontal then vertical, into a colour texture that the lit
// models sample as their shadow map. Each frame's passes shade only the texels that the casters can change,
// around the disk they stay in; the rest of both targets holds, from the start, the blur of a map with
// nothing on it.
class ShadowBlur {
public:
    static constexpr int size = ShadowMap::size;
    // Each pass reads up to 9 texels to either side along its axis; one texel more for safety.
    static constexpr int passReach = 10;

    // The screen quad draws the passes; with it the blur of the empty map is written into both targets.
    ShadowBlur(GLuint quadVao, GLuint quadIndexCount);
    ShadowBlur(const ShadowBlur&) = delete;
    ShadowBlur& operator=(const ShadowBlur&) = delete;

    // Leaves the default framebuffer bound, so that no clear meant for another target reaches the parts of
    // the targets that are written once only, and the viewport at the targets' size.
    void blur(GLuint sourceTexture, GLuint quadVao, GLuint quadIndexCount) const;
    // As blur, over every texel of both targets instead of the casters' reach alone.
    void blurWholeMap(GLuint sourceTexture, GLuint quadVao, GLuint quadIndexCount) const;

    // Released from the bottom up: both programs, the sampler, then the first target and the second.
    ColorTarget secondTarget;
    ColorTarget firstTarget;
    const GLuint resultTexture;
    // Linear and clamped to the edge: the horizontal pass reads the depth map between texels through it,
    // while the map keeps its own nearest filter for everything else that reads it.
    GlSampler linearSampler;
    std::unique_ptr<Shader> verticalShader;
    std::unique_ptr<Shader> horizontalShader;

private:
    // Covers the part of the map a pass must shade: given how far the pass reaches up and down, it runs the
    // draw once or more, each time with the scissor box it needs.
    using Cover = void (*)(int verticalReach, const std::function<void()>& draw);

    void blurEmptyMap(GLuint quadVao, GLuint quadIndexCount) const;
    void runPasses(GLuint sourceTexture, GLuint quadVao, GLuint quadIndexCount, Cover cover) const;
};

} // namespace Velmora
