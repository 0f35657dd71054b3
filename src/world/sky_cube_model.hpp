#pragma once

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
};

} // namespace Velmora::Scene
