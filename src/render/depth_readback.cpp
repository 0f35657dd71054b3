#include "render/depth_readback.hpp"

#include <GL/glew.h>
#include <array>
#include <cstddef>

namespace Velmora {

void DepthReadback::read() {
    std::array<GLint, 4> viewport{};
    glGetIntegerv(GL_VIEWPORT, viewport.data());
    width = viewport[2];
    height = viewport[3];
    depths.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glReadPixels(viewport[0], viewport[1], width, height, GL_DEPTH_COMPONENT, GL_FLOAT, depths.data());
}

} // namespace Velmora
