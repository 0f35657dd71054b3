#include "world/sky_cube.hpp"

#include "math/camera.hpp"
#include "render/gl_uniforms.hpp"

namespace Velmora {

SkyCube::SkyCube() {
    shader = std::make_unique<Shader>("Shaders/SkyCubeShader.vert", "Shaders/SkyCubeShader.frag");
    dayTexture = std::make_unique<Texture>("Textures/DaySky.png");
    nightTexture = std::make_unique<Texture>("Textures/NightSky.png");
    model = std::make_unique<Scene::SkyCubeModel>(glm::mat4(1.0f), shader.get(), "SceneObjects/SkyCube.obj");
    model->dayTexture = dayTexture.get();
    model->nightTexture = nightTexture.get();
}

// The program is the one the model draws with, so that a tool that exchanges it exchanges both.
void SkyCube::update(const FrameUniforms& frame) {
    const GLuint program = model->shader->program;
    glUseProgram(program);
    setUniform(program, "MVPMatrix", frame.camera.viewProjection() * model->modelMatrix);
    setUniform(program, "lightVector", frame.light);
    setUniform(program, "playerPosition", frame.playerPosition);
}

int SkyCube::draw(const SceneDraw&) {
    model->draw(nullptr);
    return 0;
}

void SkyCube::addSamplingTextures(std::vector<const Texture*>& textures) const {
    textures.push_back(dayTexture.get());
    textures.push_back(nightTexture.get());
}

void SkyCube::addModels(std::vector<Scene::SceneObject*>& models) const {
    models.push_back(model.get());
}

} // namespace Velmora
