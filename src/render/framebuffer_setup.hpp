#pragma once

#include "render/gl_name.hpp"

#include <GL/glew.h>

namespace Velmora {

// The steps every off-screen target of the game shares while it is being created.

// Generates and binds a texture of the given size without data, filtered linearly in both directions.
GlTexture allocateLinearTexture(int width, int height, GLint internalFormat, GLenum format);
// Ends the game with the framebuffer message unless the bound framebuffer is complete.
void requireCompleteFramebuffer();
// Draws into colour attachment 0 only, checks completeness, and leaves nothing bound.
void finishColorFramebuffer();

} // namespace Velmora
