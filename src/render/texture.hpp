#pragma once

#include "render/gl_name.hpp"

#include <GL/glew.h>
#include <string>

namespace Velmora {

// One mip-mapped RGB texture decoded from a PNG file by DevIL. The image library must be initialised first.
class Texture {
public:
    explicit Texture(const std::string& path);
    Texture(const Texture&) = delete;
    Texture& operator=(const Texture&) = delete;

    // Decodes the file into DevIL's store, bound as its current image, and returns its RGB bytes, which
    // belong to DevIL; ends the program on a file it cannot decode or an image wider or taller than
    // largestSide. It needs no GL context.
    static const unsigned char* loadImage(const std::string& path, int largestSide, int& width, int& height);

    GlTexture id;
    int width = 0;
    int height = 0;
};

} // namespace Velmora
