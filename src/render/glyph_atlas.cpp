#include "render/glyph_atlas.hpp"

#include "platform/console.hpp"
#include "platform/data_file.hpp"

#include <fstream>

namespace Velmora {
namespace {

// Far larger than any cell the text is drawn from; a larger one would overflow the layout of a line.
constexpr int largestCellSide = 256;

bool isCellSide(int side) {
    return side > 0 && side <= largestCellSide;
}

[[noreturn]] void refuseTable(const std::string& tablePath) {
    fatalError("Failed to load glyph table! - " + tablePath);
}

} // namespace

GlyphAtlas::GlyphAtlas(const std::string& texturePath, const std::string& tablePath)
    : texture(std::make_unique<Texture>(texturePath)) {
    readTable(tablePath);
    glBindTexture(GL_TEXTURE_2D, texture->id);
    // Shrunk text averages its texels; text at the atlas' size or a whole multiple samples each texel alone.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glBindTexture(GL_TEXTURE_2D, 0);
}

// Every cell the table names must lie inside the atlas: the text is drawn from the texels the table points
// at.
void GlyphAtlas::readTable(const std::string& tablePath) {
    std::ifstream table = openDataFile(tablePath);
    if (!(table >> cellWidth >> cellHeight >> columns) || !isCellSide(cellWidth) || !isCellSide(cellHeight) ||
        columns <= 0 || columns > texture->width / cellWidth) {
        refuseTable(tablePath);
    }
    const int cellsInAtlas = columns * (texture->height / cellHeight);
    unsigned int codePoint = 0;
    for (int cell = 0; table >> codePoint; ++cell) {
        if (cell == cellsInAtlas) {
            refuseTable(tablePath);
        }
        cells[codePoint] = cell;
    }
    if (cells.count('?') == 0 || cells.count(solidCell) == 0) {
        refuseTable(tablePath);
    }
}

glm::ivec2 GlyphAtlas::cellOf(char32_t codePoint) const {
    const auto found = cells.find(codePoint);
    const int cell = found != cells.end() ? found->second : cells.at('?');
    return {cell % columns * cellWidth, cell / columns * cellHeight};
}

} // namespace Velmora
