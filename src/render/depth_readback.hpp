#pragma once

#include <vector>

namespace Velmora {

// Reads the depth buffer of the bound framebuffer back into memory, as stored: 0 at the near plane, 1 at the
// far one, a row after another from the bottom.
class DepthReadback {
public:
    // The viewport's part of the buffer, once everything drawn so far has reached it.
    void read();

    int width = 0;
    int height = 0;
    // Kept between reads, so that its storage is taken only once.
    std::vector<float> depths;
};

} // namespace Velmora
