#pragma once

#include <GL/glew.h>
#include <string>

namespace Velmora {

// One mip-mapped RGB texture decoded from a PNG file by DevIL. The image library must be initialised first.
class Texture {
public:
    explicit Texture(const std::string& path);
    Texture(const Texture&) = delete;
    Texture& operator=(const Texture&) = delete;
    ~Texture();

    GLuint id = 0;

private:
    static const unsigned char* loadImage(const std::string& path, int& width, int& height);
};

} // namespace Velmora
