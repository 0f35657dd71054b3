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

void SkyCube::update(const glm::vec3& light, const glm::vec3& playerPosition, const Camera& camera) {
    const GLuint program = shader->program;
    glUseProgram(program);
    setUniform(program, "MVPMatrix", camera.viewProjection() * model->modelMatrix);
    setUniform(program, "lightVector", light);
    setUniform(program, "playerPosition", playerPosition);
}

int SkyCube::drawScene(const SceneDraw&) {
    model->draw(nullptr);
    return 0;
}

void SkyCube::addSamplingTextures(std::vector<const Texture*>& textures) const {
    textures.push_back(dayTexture.get());
    textures.push_back(nightTexture.get());
}

} // namespace Velmora
