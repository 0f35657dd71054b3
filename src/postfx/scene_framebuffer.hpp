#pragma once

#include "postfx/screen_quad_model.hpp"
#include "render/gl_name.hpp"
#include "render/shader.hpp"

#include <GL/glew.h>
#include <memory>

namespace Velmora {

// The off-screen target the 3D scene is drawn into at a fixed 1800 x 1000, whatever the window's size, and
// the full-screen quad that every post-processing pass and the final copy to the window draw through.
class SceneFramebuffer {
public:
    static constexpr int width = 1800;
    static constexpr int height = 1000;

    SceneFramebuffer();
    SceneFramebuffer(const SceneFramebuffer&) = delete;
    SceneFramebuffer& operator=(const SceneFramebuffer&) = delete;

    // Released from the bottom up: the quad's program, the quad, then the target and its two textures.
    GlTexture sceneColorTexture;
    GlTexture sceneDepthTexture;
    GlFramebuffer framebuffer;
    std::unique_ptr<Scene::ScreenQuadModel> quad;
    std::unique_ptr<Shader> quadShader;

private:
    void createTarget();
};

} // namespace Velmora
