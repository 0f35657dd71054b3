#include "world/house.hpp"

namespace Velmora {

House::House(Texture& texture, Material& material) {
    shader = std::make_unique<Shader>("Shaders/celShader.vert", "Shaders/celShader.frag");
    model =
        std::make_unique<Scene::DecorationItemModel>(glm::mat4(1.0f), shader.get(), "SceneObjects/House.obj");
    model->colorTexture = &texture;
    model->material = &material;
}

} // namespace Velmora
