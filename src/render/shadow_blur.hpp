#pragma once

#include "render/color_target.hpp"
#include "render/shader.hpp"
#include "render/shadow_map.hpp"

#include <GL/glew.h>
#include <memory>

namespace Velmora {

// Softens the shadow map in two Gaussian passes, horizontal then vertical, into a colour texture that the lit
// models sample as their shadow map.
class ShadowBlur {
public:
    static constexpr int size = ShadowMap::size;

    ShadowBlur();
    ShadowBlur(const ShadowBlur&) = delete;
    ShadowBlur& operator=(const ShadowBlur&) = delete;

    // Leaves the second target bound and the viewport at its size; the next pass binds its own target.
    void blur(GLuint sourceTexture, GLuint quadVao, GLuint quadIndexCount) const;

    // Released from the bottom up: both programs, the sampler, then the first target and the second.
    ColorTarget secondTarget;
    ColorTarget firstTarget;
    const GLuint resultTexture;
    // Linear and clamped to the edge: the horizontal pass reads the depth map between texels through it,
    // while the map keeps its own nearest filter for everything else that reads it.
    GlSampler linearSampler;
    std::unique_ptr<Shader> verticalShader;
    std::unique_ptr<Shader> horizontalShader;
};

} // namespace Velmora
