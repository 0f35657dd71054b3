#include "world/asteroid_model.hpp"

#include "render/gl_uniforms.hpp"

#include <algorithm>
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
      bounds(MeshBounds::of(positions, indices)), instanceBuffer(GlBuffer::generate()) {
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
                            const ShadowBlur& shadowBlur, RendererKind renderer) {
    if (instances.empty()) {
        return;
    }
    glUseProgram(shader->program);
    setUniform(shader->program, "lightViewProjection", lightViewProjection);
    // A software renderer keeps every batch's triangles, set up for its tiles, until its threads have drawn
    // them, and runs ahead setting up more: waiting for each batch once the next is sent bounds that memory
    // to two batches however many rocks are in sight, and still lets it draw one batch while it sets up the
    // next. A graphics card keeps no such set-up in main memory; a wait would only stop the CPU running
    // ahead.
    const bool boundQueue = renderer == RendererKind::Software;
    const std::size_t rocksPerBatch = boundQueue ? batchSize : hardwareBatchSize;
    GLsync lastBatchDrawn = nullptr;
    for (std::size_t first = 0; first < instances.size(); first += rocksPerBatch) {
        drawBatch(&instances[first], std::min(rocksPerBatch, instances.size() - first), shadowBlur);
        if (!boundQueue) {
            continue;
        }
        GLsync batchDrawn = glFenceSync(GL_SYNC_GPU_COMMANDS_COMPLETE, 0);
        if (lastBatchDrawn != nullptr) {
            glClientWaitSync(lastBatchDrawn, GL_SYNC_FLUSH_COMMANDS_BIT, batchWaitLimitNs);
            glDeleteSync(lastBatchDrawn);
        }
        lastBatchDrawn = batchDrawn;
    }
    glDeleteSync(lastBatchDrawn);
}

void AsteroidModel::drawBatch(const Instance* batch, std::size_t count, const ShadowBlur& shadowBlur) {
    glBindBuffer(GL_ARRAY_BUFFER, instanceBuffer);
    // A fresh store each batch: the driver need not wait for an earlier draw to finish reading the old one.
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(count * sizeof(Instance)), batch, GL_STREAM_DRAW);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    drawInstances(static_cast<GLsizei>(count), shadowBlur);
}

} // namespace Velmora::Scene
