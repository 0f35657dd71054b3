#pragma once

#include "render/material.hpp"
#include "render/shader.hpp"
#include "render/texture.hpp"
#include "world/decoration_item_model.hpp"

#include <memory>

namespace Velmora {

// One house: its mesh and a program of its own. Texture and material are shared by all houses.
class House {
public:
    House(Texture& texture, Material& material);
    House(const House&) = delete;
    House& operator=(const House&) = delete;

    std::unique_ptr<Scene::DecorationItemModel> model;
    std::unique_ptr<Shader> shader;
};

} // namespace Velmora
