#include "world/planet_occluder.hpp"

#include "render/gl_uniforms.hpp"

#include <vector>

namespace Velmora {
namespace {

// The planet's mesh comes no closer to its centre than 0.9997 between its corners; every corner of the ball,
// and so all of it, stays inside that.
constexpr float occluderRadius = 0.99f;
// An octahedron split three times: 512 faces, whose flat middles still reach 98 % of the radius.
constexpr int splits = 3;

void addFace(std::vector<glm::vec3>& corners, const glm::vec3& a, const glm::vec3& b, const glm::vec3& c,
             int splitsLeft) {
    if (splitsLeft == 0) {
        corners.insert(corners.end(), {a * occluderRadius, b * occluderRadius, c * occluderRadius});
        return;
    }
    const glm::vec3 ab = glm::normalize(a + b);
    const glm::vec3 bc = glm::normalize(b + c);
    const glm::vec3 ca = glm::normalize(c + a);
    addFace(corners, a, ab, ca, splitsLeft - 1);
    addFace(corners, ab, b, bc, splitsLeft - 1);
    addFace(corners, ca, bc, c, splitsLeft - 1);
    addFace(corners, ab, bc, ca, splitsLeft - 1);
}

std::vector<glm::vec3> ballCorners() {
    std::vector<glm::vec3> corners;
    for (float x : {-1.0f, 1.0f}) {
        for (float y : {-1.0f, 1.0f}) {
            for (float z : {-1.0f, 1.0f}) {
                addFace(corners, glm::vec3(x, 0.0f, 0.0f), glm::vec3(0.0f, y, 0.0f), glm::vec3(0.0f, 0.0f, z),
                        splits);
            }
        }
    }
    return corners;
}

} // namespace

PlanetOccluder::PlanetOccluder()
    : shader(std::make_unique<Shader>("Shaders/DepthOnly.vert", "Shaders/DepthOnly.frag")) {
    const std::vector<glm::vec3> corners = ballCorners();
    vertexCount = static_cast<GLsizei>(corners.size());
    vertexArray = GlVertexArray::generate();
    glBindVertexArray(vertexArray);
    positionBuffer = GlBuffer::generate();
    glBindBuffer(GL_ARRAY_BUFFER, positionBuffer);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(corners.size() * sizeof(glm::vec3)), corners.data(),
                 GL_STATIC_DRAW);
    glEnableVertexAttribArray(0);
    glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, 0, nullptr);
    glBindVertexArray(0);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
}

void PlanetOccluder::update(const glm::mat4& modelViewProjection) const {
    glUseProgram(shader->program);
    setUniform(shader->program, "MVPMatrix", modelViewProjection);
}

void PlanetOccluder::drawDepth() const {
    glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
    glUseProgram(shader->program);
    glBindVertexArray(vertexArray);
    glDrawArrays(GL_TRIANGLES, 0, vertexCount);
    glBindVertexArray(0);
    glUseProgram(0);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
}

} // namespace Velmora
