#pragma once

#include "render/color_target.hpp"
#include "render/shader.hpp"
#include "render/shadow_map.hpp"

#include <GL/glew.h>
#include <memory>

namespace Velmora {

// Softens the shadow map in two Gaussian passes, horizontal then vertical, into a colour texture that the lit
// models sample as their shadow map. Each frame's passes shade only the square around the casters' disk that
// the casters can change; the rest of both targets holds, from the start, the blur of a map with nothing on
// it.
class ShadowBlur {
public:
    static constexpr int size = ShadowMap::size;
    // Each pass reads up to 9 texels to either side along its axis; one texel more for safety.
    static constexpr int passReach = 10;

    // The screen quad draws the passes; with it the blur of the empty map is written into both targets.
    ShadowBlur(GLuint quadVao, GLuint quadIndexCount);
    ShadowBlur(const ShadowBlur&) = delete;
    ShadowBlur& operator=(const ShadowBlur&) = delete;

    // Leaves the second target bound and the viewport at its size; the next pass binds its own target.
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
    // A box of texels centred on the map's centre, by its half width and half height.
    struct Region {
        int halfWidth;
        int halfHeight;
    };

    void blurEmptyMap(GLuint quadVao, GLuint quadIndexCount) const;
    void runPasses(GLuint sourceTexture, GLuint quadVao, GLuint quadIndexCount, Region first,
                   Region second) const;
};

} // namespace Velmora
