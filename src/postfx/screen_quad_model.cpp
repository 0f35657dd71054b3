#include "postfx/screen_quad_model.hpp"

#include "render/gl_uniforms.hpp"

namespace Velmora::Scene {

ScreenQuadModel::ScreenQuadModel(const glm::mat4& initialModelMatrix, Shader* quadShader,
                                 const std::string& meshPath)
    : SceneObject(initialModelMatrix, quadShader, meshPath) {}

void ScreenQuadModel::draw(const ShadowBlur*) {}

void ScreenQuadModel::drawTexture(GLuint texture) const {
    glUseProgram(shader->program);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, texture);
    setUniform(shader->program, "colorTexture", 0);
    drawIndexedTriangles(vao, indexCount);
    glBindTexture(GL_TEXTURE_2D, 0);
    glUseProgram(0);
}

} // namespace Velmora::Scene
