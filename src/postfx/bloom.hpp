#pragma once

#include "postfx/scene_framebuffer.hpp"
#include "render/color_target.hpp"
#include "render/shader.hpp"

#include <GL/glew.h>
#include <memory>

namespace Velmora {

// Makes the bright parts of the outlined picture glow: they are picked out and blurred across at one eighth
// of the picture's size in each direction, where a wide blur is cheap, then laid back over the picture.
class Bloom {
public:
    static constexpr int reduction = 8;
    static constexpr int width = SceneFramebuffer::width;
    static constexpr int height = SceneFramebuffer::height;
    static constexpr int reducedWidth = width / reduction;
    static constexpr int reducedHeight = height / reduction;

    Bloom();
    Bloom(const Bloom&) = delete;
    Bloom& operator=(const Bloom&) = delete;

    // Leaves the result target bound and the viewport at the full size; the window is bound next.
    void applyBloom(GLuint inputTexture, GLuint quadVao, GLuint quadIndexCount) const;

    // Released from the bottom up: the programs go before the targets.
    ColorTarget brightTarget;
    ColorTarget horizontalTarget;
    ColorTarget verticalTarget;
    ColorTarget resultTarget;
    const GLuint resultTexture;
    std::unique_ptr<Shader> bloomShader;
    std::unique_ptr<Shader> verticalBlurShader;
    std::unique_ptr<Shader> horizontalBlurShader;
    std::unique_ptr<Shader> brightPassShader;
};

} // namespace Velmora
