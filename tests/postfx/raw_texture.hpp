#pragma once

#include <GL/glew.h>
#include <vector>

namespace TestSupport {

// An RGB texture made straight from bytes (rows bottom-up), sampled nearest so that every texel reads back
// exactly.
class RawTexture {
public:
    RawTexture(int width, int height, const std::vector<unsigned char>& rgb) {
        glGenTextures(1, &id);
        glBindTexture(GL_TEXTURE_2D, id);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, width, height, 0, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
        glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glBindTexture(GL_TEXTURE_2D, 0);
    }
    RawTexture(const RawTexture&) = delete;
    RawTexture& operator=(const RawTexture&) = delete;
    ~RawTexture() { glDeleteTextures(1, &id); }

    GLuint id = 0;
};

} // namespace TestSupport
