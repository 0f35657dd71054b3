#pragma once

#include "render/gl_name.hpp"

namespace Velmora {

// An off-screen RGB colour target of fixed size: one framebuffer with one linearly filtered texture as its
// only colour attachment. Move-only; a moved-from target owns nothing.
class ColorTarget {
public:
    ColorTarget(int width, int height);

    // The texture goes before the framebuffer it is attached to.
    GlFramebuffer framebuffer;
    GlTexture texture;
};

} // namespace Velmora
