#include "world/asteroid_model.hpp"

#include "render/gl_uniforms.hpp"

#include <cstddef>

namespace Velmora::Scene {
namespace {

// A matrix attribute takes one location per column, each advanced once per instance, not per vertex.
void bindMatrixColumns(GLuint program, const char* name, GLint rows, GLint columns, std::size_t offset) {
    const GLint firstLocation = glGetAttribLocation(program, name);
    if (firstLocation < 0) {
        return;
    }
    for (GLint column = 0; column < columns; ++column) {
        const GLuint location = static_cast<GLuint>(firstLocation + column);
        const std::size_t columnOffset = offset + static_cast<std::size_t>(column * rows) * sizeof(float);
        glEnableVertexAttribArray(location);
        glVertexAttribPointer(location, rows, GL_FLOAT, GL_FALSE, sizeof(AsteroidModel::Instance),
                              reinterpret_cast<const void*>(columnOffset));
        glVertexAttribDivisor(location, 1);
    }
}

} // namespace

AsteroidModel::AsteroidModel(const glm::mat4& initialModelMatrix, Shader* ownProgram,
                             const std::string& meshPath)
    : LitModel(initialModelMatrix, ownProgram, meshPath, MatrixUpload::PerFrameOnly),
      instanceBuffer(GlBuffer::generate()) {
    bindInstanceAttributes();
}

void AsteroidModel::bindInstanceAttributes() {
    glBindVertexArray(vao);
    glBindBuffer(GL_ARRAY_BUFFER, instanceBuffer);
    bindMatrixColumns(shader->program, "MVPMatrix", 4, 4, offsetof(Instance, mvpMatrix));
    bindMatrixColumns(shader->program, "modelMatrix", 4, 4, offsetof(Instance, modelMatrix));
    bindMatrixColumns(shader->program, "normalMatrix", 3, 3, offsetof(Instance, normalMatrix));
    glBindVertexArray(0);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
}

AsteroidModel::Instance AsteroidModel::instanceOf(const glm::mat4& modelMatrix,
                                                  const glm::mat4& viewProjection) {
    return {viewProjection * modelMatrix, modelMatrix, glm::mat3(glm::transpose(glm::inverse(modelMatrix)))};
}

void AsteroidModel::drawAll(const std::vector<Instance>& instances, const glm::mat4& lightViewProjection,
                            const ShadowBlur& shadowBlur) {
    if (instances.empty()) {
        return;
    }
    glBindBuffer(GL_ARRAY_BUFFER, instanceBuffer);
    // A fresh store each frame: the driver need not wait for last frame's draw to finish reading the old one.
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(instances.size() * sizeof(Instance)),
                 instances.data(), GL_STREAM_DRAW);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glUseProgram(shader->program);
    setUniform(shader->program, "lightViewProjection", lightViewProjection);
    drawInstances(static_cast<GLsizei>(instances.size()), shadowBlur);
}

} // namespace Velmora::Scene
