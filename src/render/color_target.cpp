#include "render/color_target.hpp"

#include "render/framebuffer_setup.hpp"

namespace Velmora {

ColorTarget::ColorTarget(int width, int height) : framebuffer(GlFramebuffer::generate()) {
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    texture = allocateLinearTexture(width, height, GL_RGB, GL_RGB);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, texture, 0);
    finishColorFramebuffer();
}

} // namespace Velmora
