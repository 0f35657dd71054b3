#include "world/lantern.hpp"

namespace Velmora {

Lantern::Lantern(Texture& texture, Material& material) {
    shader = std::make_unique<Shader>("Shaders/celShader.vert", "Shaders/celShader.frag");
    model = std::make_unique<Scene::DecorationItemModel>(glm::mat4(1.0f), shader.get(),
                                                         "SceneObjects/Lantern.obj");
    model->colorTexture = &texture;
    model->material = &material;
    light = std::make_unique<PointLight>();
}

} // namespace Velmora
