#pragma once

#include <GL/glew.h>
#include <utility>

namespace Velmora {

// One GL object name with one owner: copying is not allowed, a move leaves zero behind, and the destructor
// deletes a non-zero name. Members holding these are declared in the order that releases them as GL needs
// (a program before its shaders, an attachment before its framebuffer).
template <typename Kind> class GlName {
public:
    GlName() = default;
    // Takes over a name the caller has just created.
    explicit GlName(GLuint name) : name_(name) {}
    GlName(GlName&& other) noexcept : name_(std::exchange(other.name_, 0)) {}
    GlName& operator=(GlName&& other) noexcept {
        if (this != &other) {
            release();
            name_ = std::exchange(other.name_, 0);
        }
        return *this;
    }
    GlName(const GlName&) = delete;
    GlName& operator=(const GlName&) = delete;
    ~GlName() { release(); }

    static GlName generate() {
        GLuint name = 0;
        Kind::generate(&name);
        return GlName(name);
    }

    // Reads as the plain name wherever GL or a caller takes one.
    operator GLuint() const { return name_; }

private:
    void release() {
        if (name_ != 0) {
            Kind::destroy(&name_);
            name_ = 0;
        }
    }

    GLuint name_ = 0;
};

// Each kind creates and deletes one name its own way.
struct GlBufferKind {
    static void generate(GLuint* name) { glGenBuffers(1, name); }
    static void destroy(const GLuint* name) { glDeleteBuffers(1, name); }
};
struct GlVertexArrayKind {
    static void generate(GLuint* name) { glGenVertexArrays(1, name); }
    static void destroy(const GLuint* name) { glDeleteVertexArrays(1, name); }
};
struct GlTextureKind {
    static void generate(GLuint* name) { glGenTextures(1, name); }
    static void destroy(const GLuint* name) { glDeleteTextures(1, name); }
};
struct GlFramebufferKind {
    static void generate(GLuint* name) { glGenFramebuffers(1, name); }
    static void destroy(const GLuint* name) { glDeleteFramebuffers(1, name); }
};
struct GlSamplerKind {
    static void generate(GLuint* name) { glGenSamplers(1, name); }
    static void destroy(const GLuint* name) { glDeleteSamplers(1, name); }
};
struct GlProgramKind {
    static void generate(GLuint* name) { *name = glCreateProgram(); }
    static void destroy(const GLuint* name) { glDeleteProgram(*name); }
};
// Shader objects are created with their stage, so they are only ever adopted.
struct GlShaderKind {
    static void destroy(const GLuint* name) { glDeleteShader(*name); }
};

using GlBuffer = GlName<GlBufferKind>;
using GlVertexArray = GlName<GlVertexArrayKind>;
using GlTexture = GlName<GlTextureKind>;
using GlFramebuffer = GlName<GlFramebufferKind>;
using GlSampler = GlName<GlSamplerKind>;
using GlProgram = GlName<GlProgramKind>;
using GlShader = GlName<GlShaderKind>;

} // namespace Velmora
