#include "render/color_target.hpp"

#include "render/framebuffer_setup.hpp"

#include <utility>

namespace Velmora {

ColorTarget::ColorTarget(int width, int height) {
    glGenFramebuffers(1, &framebuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    allocateLinearTexture(texture, width, height, GL_RGB, GL_RGB);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, texture, 0);
    finishColorFramebuffer();
}

ColorTarget::ColorTarget(ColorTarget&& other) noexcept
    : framebuffer(std::exchange(other.framebuffer, 0)), texture(std::exchange(other.texture, 0)) {}

// The texture goes before the framebuffer it is attached to.
ColorTarget::~ColorTarget() {
    if (texture != 0) {
        glDeleteTextures(1, &texture);
    }
    if (framebuffer != 0) {
        glDeleteFramebuffers(1, &framebuffer);
    }
}

} // namespace Velmora
