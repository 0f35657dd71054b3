#pragma once

#include "render/texture.hpp"

#include <glm/glm.hpp>
#include <map>
#include <memory>
#include <string>

namespace Velmora {

// The on-screen text's glyphs: a monospaced font in cells of one texture, written by the asset generator with
// a table of which character sits in which cell. The texture is read texel for texel, filtered only where
// text is drawn smaller than the atlas.
class GlyphAtlas {
public:
    // The full block, a solid cell that backgrounds are stretched from.
    static constexpr char32_t solidCell = 0x2588;

    GlyphAtlas(const std::string& texturePath, const std::string& tablePath);
    GlyphAtlas(const GlyphAtlas&) = delete;
    GlyphAtlas& operator=(const GlyphAtlas&) = delete;

    // The top-left texel of a character's cell; a character the font lacks shows as a question mark.
    glm::ivec2 cellOf(char32_t codePoint) const;

    int cellWidth = 0;
    int cellHeight = 0;
    std::unique_ptr<Texture> texture;

private:
    void readTable(const std::string& tablePath);

    int columns = 1;
    std::map<char32_t, int> cells;
};

} // namespace Velmora
