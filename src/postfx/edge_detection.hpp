#pragma once

#include "postfx/scene_framebuffer.hpp"
#include "render/color_target.hpp"
#include "render/shader.hpp"

#include <GL/glew.h>
#include <memory>

namespace Velmora {

// The outlines of the cel look: an edge pass finds the jumps in the scene's depth image, and a second pass
// inks them over the scene's colours. Both images keep the scene's size.
class EdgeDetection {
public:
    static constexpr int width = SceneFramebuffer::width;
    static constexpr int height = SceneFramebuffer::height;

    EdgeDetection();
    EdgeDetection(const EdgeDetection&) = delete;
    EdgeDetection& operator=(const EdgeDetection&) = delete;

    // Leaves the result target bound and the viewport at the scene's size; the next pass binds its own
    // target.
    void applyEdges(GLuint sceneColorTexture, GLuint sceneDepthTexture, GLuint quadVao,
                    GLuint quadIndexCount) const;

    // Released from the bottom up: both programs go before the targets.
    ColorTarget edgeTarget;
    ColorTarget resultTarget;
    // The outlines alone, dark on white, as edge mode shows them.
    const GLuint edgeTexture;
    const GLuint resultTexture;
    std::unique_ptr<Shader> addEdgesShader;
    std::unique_ptr<Shader> edgeShader;
};

} // namespace Velmora
