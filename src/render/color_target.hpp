#pragma once

#include <GL/glew.h>

namespace Velmora {

// An off-screen RGB colour target of fixed size: one framebuffer with one linearly filtered texture as its
// only colour attachment. Move-only; a moved-from target owns nothing.
class ColorTarget {
public:
    ColorTarget(int width, int height);
    ColorTarget(ColorTarget&& other) noexcept;
    ColorTarget(const ColorTarget&) = delete;
    ColorTarget& operator=(const ColorTarget&) = delete;
    ColorTarget& operator=(ColorTarget&&) = delete;
    ~ColorTarget();

    GLuint framebuffer = 0;
    GLuint texture = 0;
};

} // namespace Velmora
