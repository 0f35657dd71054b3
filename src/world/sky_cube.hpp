#pragma once

#include "render/shader.hpp"
#include "render/texture.hpp"
#include "world/sky_cube_model.hpp"
#include "world/world_object.hpp"

#include <glm/glm.hpp>
#include <memory>
#include <vector>

namespace Velmora {

// The sky about the whole scene: day above the side of the planet that faces the sun, night on the other
// side.
class SkyCube : public WorldObject {
public:
    SkyCube();
    SkyCube(const SkyCube&) = delete;
    SkyCube& operator=(const SkyCube&) = delete;

    // Leaves the sky program current.
    void update(const FrameUniforms& frame) override;
    // The sky takes no shadow and is not counted among the drawn objects.
    int draw(const SceneDraw&) override;
    FaceCulling faceCulling() const override { return FaceCulling::Off; }
    void addSamplingTextures(std::vector<const Texture*>& textures) const override;
    void addModels(std::vector<Scene::SceneObject*>& models) const override;

    // Released from the bottom up: the program before the two pictures and the mesh that referred to them.
    std::unique_ptr<Scene::SkyCubeModel> model;
    std::unique_ptr<Texture> nightTexture;
    std::unique_ptr<Texture> dayTexture;
    std::unique_ptr<Shader> shader;
};

} // namespace Velmora
