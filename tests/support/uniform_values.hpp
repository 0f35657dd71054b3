#pragma once

#include <GL/glew.h>

namespace TestSupport {

// The value a program holds in a float uniform of the given name: a float, a vector or a matrix.
template <typename T> T uniformValue(GLuint program, const char* name) {
    T value(0.0f);
    // glm's vectors and matrices are plain floats, column after column, as GL hands them out.
    glGetUniformfv(program, glGetUniformLocation(program, name), reinterpret_cast<GLfloat*>(&value));
    return value;
}

} // namespace TestSupport
