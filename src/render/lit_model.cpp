#include "render/lit_model.hpp"

#include "math/camera.hpp"
#include "render/gl_uniforms.hpp"
#include "render/shadow_blur.hpp"
#include "render/shadow_map.hpp"

namespace Velmora::Scene {

LitModel::LitModel(const glm::mat4& initialModelMatrix, Shader* ownProgram, const std::string& meshPath,
                   MatrixUpload matrixUpload)
    : SceneObject(initialModelMatrix, ownProgram, meshPath), matrixUpload(matrixUpload) {}

void LitModel::draw(const ShadowBlur* shadowBlur) {
    drawWithTexture(*colorTexture, *shadowBlur);
}

void LitModel::drawInstances(GLsizei instanceCount, const ShadowBlur& shadowBlur) {
    bindTextures(*colorTexture, shadowBlur);
    drawIndexedTriangleInstances(vao, indexCount, instanceCount);
    unbindTextures();
}

void LitModel::drawWithTexture(const Texture& texture, const ShadowBlur& shadowBlur) {
    bindTextures(texture, shadowBlur);
    drawIndexedTriangles(vao, indexCount);
    unbindTextures();
}

void LitModel::bindTextures(const Texture& texture, const ShadowBlur& shadowBlur) {
    glUseProgram(shader->program);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, texture.id);
    setUniform(shader->program, "colorTexture", 0);
    glActiveTexture(GL_TEXTURE1);
    glBindTexture(GL_TEXTURE_2D, shadowBlur.resultTexture);
    setUniform(shader->program, "shadow_map", 1);
}

// Unit 0 keeps the colour texture; only the shadow map on the active unit is unbound.
void LitModel::unbindTextures() {
    glBindTexture(GL_TEXTURE_2D, 0);
    glUseProgram(0);
}

void LitModel::setMaterialAndLights(PointLightArrays lights) {
    const GLuint program = shader->program;
    glUseProgram(program);
    if (matrixUpload == MatrixUpload::WithMaterial) {
        setUniform(program, "modelMatrix", modelMatrix);
    }
    setUniform(program, "ambientFactor", material->ambientFactor);
    setUniform(program, "diffuseFactor", material->diffuseFactor);
    setUniform(program, "specularFactor", material->specularFactor);
    setUniform(program, "shininess", material->shininess);
    // The number of lights is the number of intensities; positions and colours hold three floats per light.
    const size_t lightCount = lights.pointLightIntensities.size();
    lights.pointLightPositions.resize(3 * lightCount);
    lights.pointLightColors.resize(3 * lightCount);
    lights.pointLightRanges.resize(lightCount);
    setUniformVec3Array(program, "pointLightPositions", lights.pointLightPositions);
    setUniformVec3Array(program, "pointLightColors", lights.pointLightColors);
    setUniformFloatArray(program, "pointLightIntensities", lights.pointLightIntensities);
    setUniformFloatArray(program, "pointLightRanges", lights.pointLightRanges);
}

void LitModel::setFrameUniforms(const glm::vec3& lightVector, const Camera& camera,
                                const ShadowMap& shadowMap) {
    setLightAndCamera(lightVector, camera);
    setMatrices(lightVector, camera, shadowMap);
}

void LitModel::setLightAndCamera(const glm::vec3& lightVector, const Camera& camera) {
    const GLuint program = shader->program;
    glUseProgram(program);
    setUniform(program, "lightVector", lightVector);
    setUniform(program, "cameraPosition", camera.positionColumn());
}

void LitModel::setMatrices(const glm::vec3& lightVector, const Camera& camera, const ShadowMap& shadowMap) {
    setMatrices(camera.viewProjection(), shadowMap.computeLightMVP(lightVector, true, glm::mat4(1.0f)));
}

void LitModel::setMatrices(const glm::mat4& viewProjection, const glm::mat4& lightViewProjection) {
    const GLuint program = shader->program;
    glUseProgram(program);
    setUniform(program, "MVPMatrix", viewProjection * modelMatrix);
    setUniform(program, "modelMatrix", modelMatrix);
    setUniform(program, "normalMatrix", glm::transpose(glm::inverse(modelMatrix)));
    setUniform(program, "lightMVPMatrix", lightViewProjection * modelMatrix);
}

} // namespace Velmora::Scene
