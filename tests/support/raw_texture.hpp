#pragma once

#include <GL/glew.h>
#include <vector>

namespace TestSupport {

// A texture made straight from values (rows bottom-up): RGB bytes sampled nearest, so that every texel reads
// back exactly, or depth values in [0, 1] filtered linearly, as the scene's depth image is.
class RawTexture {
public:
    RawTexture(int width, int height, const std::vector<unsigned char>& rgb)
        : RawTexture(width, height, GL_RGB, GL_RGB, GL_UNSIGNED_BYTE, rgb.data(), GL_NEAREST) {}
    RawTexture(int width, int height, const std::vector<float>& depth)
        : RawTexture(width, height, GL_DEPTH_COMPONENT24, GL_DEPTH_COMPONENT, GL_FLOAT, depth.data(),
                     GL_LINEAR) {}
    RawTexture(const RawTexture&) = delete;
    RawTexture& operator=(const RawTexture&) = delete;
    ~RawTexture() { glDeleteTextures(1, &id); }

    GLuint id = 0;

private:
    RawTexture(int width, int height, GLint internalFormat, GLenum format, GLenum type, const void* data,
               GLint filter) {
        glGenTextures(1, &id);
        glBindTexture(GL_TEXTURE_2D, id);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        glTexImage2D(GL_TEXTURE_2D, 0, internalFormat, width, height, 0, format, type, data);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
        glBindTexture(GL_TEXTURE_2D, 0);
    }
};

} // namespace TestSupport
