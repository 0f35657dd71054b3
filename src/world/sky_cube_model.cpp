#include "world/sky_cube_model.hpp"

#include "render/gl_uniforms.hpp"

namespace Velmora::Scene {

SkyCubeModel::SkyCubeModel(const glm::mat4& initialModelMatrix, Shader* ownProgram,
                           const std::string& meshPath)
    : SceneObject(initialModelMatrix, ownProgram, meshPath), levelZeroSampler(GlSampler::generate()) {}

void SkyCubeModel::draw(const ShadowBlur*) {
    const GLuint program = shader->program;
    glUseProgram(program);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, dayTexture->id);
    // The sampling key switches the pictures' magnification filter; the sampler follows it.
    GLint filter = GL_LINEAR;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &filter);
    glSamplerParameteri(levelZeroSampler, GL_TEXTURE_MIN_FILTER, filter);
    glSamplerParameteri(levelZeroSampler, GL_TEXTURE_MAG_FILTER, filter);
    glBindSampler(0, levelZeroSampler);
    glBindSampler(1, levelZeroSampler);
    setUniform(program, "colorTextureDay", 0);
    glActiveTexture(GL_TEXTURE1);
    glBindTexture(GL_TEXTURE_2D, nightTexture->id);
    setUniform(program, "colorTextureNight", 1);
    drawIndexedTriangles(vao, indexCount);
    glBindSampler(0, 0);
    glBindSampler(1, 0);
    glUseProgram(0);
}

} // namespace Velmora::Scene
