#pragma once

#include "render/material.hpp"
#include "render/shader.hpp"
#include "render/texture.hpp"
#include "world/decoration_item_model.hpp"
#include "world/point_light.hpp"

#include <memory>

namespace Velmora {

// One lantern: its mesh, the point light above it and a program of its own. Texture and material are shared
// by all lanterns.
class Lantern {
public:
    Lantern(Texture& texture, Material& material);
    Lantern(const Lantern&) = delete;
    Lantern& operator=(const Lantern&) = delete;

    // Released from the bottom up: the program before the mesh drawn with it; the light goes with the
    // lantern.
    std::unique_ptr<PointLight> light;
    std::unique_ptr<Scene::DecorationItemModel> model;
    std::unique_ptr<Shader> shader;
};

} // namespace Velmora
