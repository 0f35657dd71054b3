#pragma once

#include "render/gl_name.hpp"
#include "render/scene_object.hpp"
#include "render/texture.hpp"

namespace Velmora::Scene {

// The sky's cube, seen from inside. Unlit: it blends a day and a night picture and takes no shadow.
class SkyCubeModel : public SceneObject {
public:
    SkyCubeModel(const glm::mat4& initialModelMatrix, Shader* ownProgram, const std::string& meshPath);

    // The sky receives no shadow, so the shadow source is ignored and may be null.
    void draw(const ShadowBlur* shadowBlur) override;

    Texture* dayTexture = nullptr;
    Texture* nightTexture = nullptr;

private:
    // The sky reads level 0 of its pictures alone, always magnified: this sampler filters both ways as the
    // pictures magnify, so the renderer need not choose between minifying and magnifying a pixel at a time.
    GlSampler levelZeroSampler;
};

} // namespace Velmora::Scene
