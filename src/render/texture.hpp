#pragma once

#include "render/gl_name.hpp"

#include <GL/glew.h>
#include <string>

namespace Velmora {

// One mip-mapped RGB texture decoded from a PNG file by the system's image library.
class Texture {
public:
    explicit Texture(const std::string& path);
    Texture(const Texture&) = delete;
    Texture& operator=(const Texture&) = delete;

    GlTexture id;
    int width = 0;
    int height = 0;
};

} // namespace Velmora
