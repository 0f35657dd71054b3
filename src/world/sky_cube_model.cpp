#include "world/sky_cube_model.hpp"

#include "render/gl_uniforms.hpp"

namespace Velmora::Scene {

SkyCubeModel::SkyCubeModel(const glm::mat4& initialModelMatrix, Shader* ownProgram,
                           const std::string& meshPath)
    : SceneObject(initialModelMatrix, ownProgram, meshPath) {}

void SkyCubeModel::draw(const ShadowBlur*) {
    const GLuint program = shader->program;
    glUseProgram(program);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, dayTexture->id);
    setUniform(program, "colorTextureDay", 0);
    glActiveTexture(GL_TEXTURE1);
    glBindTexture(GL_TEXTURE_2D, nightTexture->id);
    setUniform(program, "colorTextureNight", 1);
    drawIndexedTriangles(vao, indexCount);
    glUseProgram(0);
}

} // namespace Velmora::Scene
