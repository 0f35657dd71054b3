#pragma once

#include <string>
#include <vector>

namespace Velmora {

class AssetFolder;

// The glyph atlas of the on-screen text: one cell per character of a monospaced font, rendered at the one
// pixel size the game draws it at, so that the text is copied to the window texel for texel and stays sharp.
class FontAssets {
public:
    // The pixel height the font is rendered at.
    static constexpr int pixelSize = 14;
    // Full block, painted solid: the text's backgrounds are stretched from it.
    static constexpr unsigned int solidCell = 0x2588;

    // Writes Textures/FontAtlas.png (coverage in all three channels, white on black) and
    // Textures/FontAtlas.txt: the cell width, the cell height and the number of columns on the first line,
    // then the code point of every cell in row order. Throws std::runtime_error when the font cannot be read.
    static void write(const AssetFolder& folder, const std::string& fontPath);
    // Printable ASCII, the middle dot and the ellipsis the game's texts use, and the solid cell.
    static std::vector<unsigned int> codePoints();
};

} // namespace Velmora
