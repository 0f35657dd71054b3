#pragma once

#include "render/scene_object.hpp"

namespace Velmora::Scene {

// The full-screen quad, already in clip space. Every full-screen pass draws through its vertex array; it
// never takes part in the scene or shadow passes itself.
class ScreenQuadModel : public SceneObject {
public:
    ScreenQuadModel(const glm::mat4& initialModelMatrix, Shader* quadShader, const std::string& meshPath);

    void draw(const ShadowBlur* shadowBlur) override;
    // Copies the texture onto whatever framebuffer and viewport are current.
    void drawTexture(GLuint texture) const;
};

} // namespace Velmora::Scene
