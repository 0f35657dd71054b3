#pragma once

#include <GL/glew.h>
#include <string>

namespace Velmora {

// One linked vertex-plus-fragment program read from two files. Users look attribute and uniform locations up
// by name on `program` at every use; nothing is cached here.
class Shader {
public:
    Shader(const std::string& vertexPath, const std::string& fragmentPath);
    Shader(const Shader&) = delete;
    Shader& operator=(const Shader&) = delete;
    ~Shader();

    GLuint program = 0;
    GLuint vertexShader = 0;
    GLuint fragmentShader = 0;

private:
    static void loadShader(const std::string& path, GLenum type, GLuint& shaderId);
    void linkProgram();
};

} // namespace Velmora
