#pragma once

#include <string>

namespace Velmora {

class Image;

// Writes 8-bit RGB PNG files without alpha, the only pixel format the game's texture loader expects.
class PngWriter {
public:
    // Throws std::runtime_error when the file cannot be written.
    static void write(const std::string& path, const Image& image);
};

} // namespace Velmora
