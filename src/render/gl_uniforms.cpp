#include "render/gl_uniforms.hpp"

#include <glm/gtc/type_ptr.hpp>

namespace Velmora {

void setUniform(GLuint program, const char* name, const glm::mat4& value) {
    glUniformMatrix4fv(glGetUniformLocation(program, name), 1, GL_FALSE, glm::value_ptr(value));
}

void setUniform(GLuint program, const char* name, const glm::vec4& value) {
    glUniform4f(glGetUniformLocation(program, name), value.x, value.y, value.z, value.w);
}

void setUniform(GLuint program, const char* name, const glm::vec3& value) {
    glUniform3f(glGetUniformLocation(program, name), value.x, value.y, value.z);
}

void setUniform(GLuint program, const char* name, float value) {
    glUniform1f(glGetUniformLocation(program, name), value);
}

void setUniform(GLuint program, const char* name, int value) {
    glUniform1i(glGetUniformLocation(program, name), value);
}

void setUniformVec3Array(GLuint program, const char* name, const std::vector<float>& values) {
    glUniform3fv(glGetUniformLocation(program, name), static_cast<GLsizei>(values.size() / 3), values.data());
}

void setUniformFloatArray(GLuint program, const char* name, const std::vector<float>& values) {
    glUniform1fv(glGetUniformLocation(program, name), static_cast<GLsizei>(values.size()), values.data());
}

void drawIndexedTriangles(GLuint vertexArray, GLuint indexCount) {
    glBindVertexArray(vertexArray);
    glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(indexCount), GL_UNSIGNED_INT, nullptr);
    glBindVertexArray(0);
}

void drawIndexedTriangleInstances(GLuint vertexArray, GLuint indexCount, GLsizei instanceCount) {
    glBindVertexArray(vertexArray);
    glDrawElementsInstanced(GL_TRIANGLES, static_cast<GLsizei>(indexCount), GL_UNSIGNED_INT, nullptr,
                            instanceCount);
    glBindVertexArray(0);
}

} // namespace Velmora
