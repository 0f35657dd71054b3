#pragma once

#include <string>
#include <vector>

namespace Velmora {

// A decoded picture as the game uses it: 8-bit RGB, rows tightly packed, in the file's order (its first row
// becomes GL's bottom row, which the models' texture coordinates expect).
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> pixels;
};

// Decodes a PNG with the system's image library. A file it cannot decode, or an image wider or taller than
// largestSide, ends the program with the texture failure lines: the path, then each of the library's error
// codes as a decimal number on a line of its own.
RgbImage loadRgbImage(const std::string& path, int largestSide);

// Writes a PNG of width x height pixels of channels bytes each (3: RGB, 4: RGBA) given bottom row first, as
// GL reads them back, so the file shows the picture upright; false when the file cannot be written.
bool saveImage(const std::string& path, int width, int height, int channels, const unsigned char* pixels);

} // namespace Velmora
