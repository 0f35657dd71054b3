#include "render/shader.hpp"

#include "platform/console.hpp"
#include "platform/data_file.hpp"

#include <fstream>
#include <iterator>
#include <vector>

namespace Velmora {
namespace {

std::string readWholeFile(std::ifstream& file) {
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// Shaders and programs keep their logs the same way, behind different entry points.
std::string infoLog(GLuint id, void (*getLength)(GLuint, GLenum, GLint*),
                    void (*getLog)(GLuint, GLsizei, GLsizei*, GLchar*)) {
    GLint length = 0;
    getLength(id, GL_INFO_LOG_LENGTH, &length);
    std::vector<char> log(static_cast<size_t>(length) + 1, '\0');
    getLog(id, length, nullptr, log.data());
    return log.data();
}

} // namespace

Shader::Shader(const std::string& vertexPath, const std::string& fragmentPath) {
    program = GlProgram::generate();
    if (program == 0) {
        fatalError("Failed to create shader program!");
    }
    vertexShader = loadShader(vertexPath, GL_VERTEX_SHADER);
    fragmentShader = loadShader(fragmentPath, GL_FRAGMENT_SHADER);
    linkProgram();
}

GlShader Shader::loadShader(const std::string& path, GLenum type) {
    std::ifstream file = openDataFile(path, std::ios::binary);
    if (!file.is_open()) {
        fatalError("Failed to open shader file: " + path);
    }
    const std::string source = readWholeFile(file);
    file.close();

    GlShader shaderId(glCreateShader(type));
    if (shaderId == 0) {
        fatalError("Failed to create shader!");
    }
    const char* text = source.c_str();
    glShaderSource(shaderId, 1, &text, nullptr);
    glCompileShader(shaderId);

    GLint compiled = 0;
    glGetShaderiv(shaderId, GL_COMPILE_STATUS, &compiled);
    if (compiled == 0 || glIsShader(shaderId) == GL_FALSE) {
        fatalError("Failed to compile shader: " + path, infoLog(shaderId, glGetShaderiv, glGetShaderInfoLog));
    }
    return shaderId;
}

void Shader::linkProgram() {
    glAttachShader(program, vertexShader);
    glAttachShader(program, fragmentShader);
    glBindFragDataLocation(program, 0, "fragColor");
    glLinkProgram(program);

    GLint linked = 0;
    glGetProgramiv(program, GL_LINK_STATUS, &linked);
    if (linked == 0) {
        fatalError("Failed to link shader program!", infoLog(program, glGetProgramiv, glGetProgramInfoLog));
    }
}

} // namespace Velmora
