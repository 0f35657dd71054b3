#include "render/glyph_atlas.hpp"

#include "platform/console.hpp"

#include <fstream>

namespace Velmora {

GlyphAtlas::GlyphAtlas(const std::string& texturePath, const std::string& tablePath)
    : texture(std::make_unique<Texture>(texturePath)) {
    readTable(tablePath);
    glBindTexture(GL_TEXTURE_2D, texture->id);
    // Shrunk text averages its texels; text at the atlas' size or a whole multiple samples each texel alone.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glBindTexture(GL_TEXTURE_2D, 0);
}

void GlyphAtlas::readTable(const std::string& tablePath) {
    std::ifstream table(tablePath);
    if (!(table >> cellWidth >> cellHeight >> columns) || cellWidth <= 0 || cellHeight <= 0 || columns <= 0) {
        fatalError("Failed to load glyph table! - " + tablePath);
    }
    unsigned int codePoint = 0;
    for (int cell = 0; table >> codePoint; ++cell) {
        cells[codePoint] = cell;
    }
    if (cells.count('?') == 0 || cells.count(solidCell) == 0) {
        fatalError("Failed to load glyph table! - " + tablePath);
    }
}

glm::ivec2 GlyphAtlas::cellOf(char32_t codePoint) const {
    const auto found = cells.find(codePoint);
    const int cell = found != cells.end() ? found->second : cells.at('?');
    return {cell % columns * cellWidth, cell / columns * cellHeight};
}

} // namespace Velmora
