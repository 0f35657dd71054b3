#pragma once

#include <GL/glew.h>
#include <glm/glm.hpp>
#include <vector>

namespace Velmora {

// Uniform uploads by name on the current program. Locations are looked up at every call on purpose: programs
// are few and small, and nothing stale can survive a relink.
void setUniform(GLuint program, const char* name, const glm::mat4& value);
void setUniform(GLuint program, const char* name, const glm::vec4& value);
void setUniform(GLuint program, const char* name, const glm::vec3& value);
void setUniform(GLuint program, const char* name, float value);
void setUniform(GLuint program, const char* name, int value);
void setUniformVec3Array(GLuint program, const char* name, const std::vector<float>& values);
void setUniformFloatArray(GLuint program, const char* name, const std::vector<float>& values);

// Draws the indexed triangles of a vertex array; every full-screen pass and mesh draw goes through here.
void drawIndexedTriangles(GLuint vertexArray, GLuint indexCount);
// The same mesh many times in one call, each copy reading its own per-instance attributes.
void drawIndexedTriangleInstances(GLuint vertexArray, GLuint indexCount, GLsizei instanceCount);

} // namespace Velmora
