#pragma once

#include "render/gl_name.hpp"

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

    // Released from the bottom up: the program before the shaders it was linked from.
    GlShader fragmentShader;
    GlShader vertexShader;
    GlProgram program;

private:
    static GlShader loadShader(const std::string& path, GLenum type);
    void linkProgram();
};

} // namespace Velmora
