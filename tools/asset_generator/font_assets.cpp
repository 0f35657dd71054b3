#include "font_assets.hpp"

#include "asset_folder.hpp"
#include "image.hpp"

#include <ft2build.h>
#include FT_FREETYPE_H
#include <sstream>
#include <stdexcept>

namespace Velmora {
namespace {

constexpr int columns = 16;

struct FontLibrary {
    FontLibrary() {
        if (FT_Init_FreeType(&library) != 0) {
            throw std::runtime_error("cannot start FreeType");
        }
    }
    ~FontLibrary() { FT_Done_FreeType(library); }
    FT_Library library = nullptr;
};

struct FontFace {
    FontFace(FT_Library library, const std::string& path) {
        if (FT_New_Face(library, path.c_str(), 0, &face) != 0 ||
            FT_Set_Pixel_Sizes(face, 0, FontAssets::pixelSize) != 0) {
            throw std::runtime_error("cannot read font " + path);
        }
    }
    ~FontFace() { FT_Done_Face(face); }
    FT_Face face = nullptr;
};

// Copies the rendered glyph into its cell on the baseline, clipped to the cell so that no glyph bleeds into a
// neighbour.
void drawGlyph(Image& atlas, const FT_GlyphSlot glyph, int cellX, int cellY, int cellWidth, int cellHeight,
               int baseline) {
    const FT_Bitmap& bitmap = glyph->bitmap;
    for (unsigned int row = 0; row < bitmap.rows; ++row) {
        for (unsigned int column = 0; column < bitmap.width; ++column) {
            const int x = glyph->bitmap_left + static_cast<int>(column);
            const int y = baseline - glyph->bitmap_top + static_cast<int>(row);
            if (x >= 0 && x < cellWidth && y >= 0 && y < cellHeight) {
                const float coverage = bitmap.buffer[row * bitmap.pitch + column] / 255.0f;
                atlas.set(cellX + x, cellY + y, glm::vec3(coverage));
            }
        }
    }
}

} // namespace

std::vector<unsigned int> FontAssets::codePoints() {
    std::vector<unsigned int> points;
    for (unsigned int point = 0x20; point < 0x7f; ++point) {
        points.push_back(point);
    }
    points.insert(points.end(), {0xb7, 0x2026, solidCell});
    return points;
}

void FontAssets::write(const AssetFolder& folder, const std::string& fontPath) {
    const FontLibrary freeType;
    const FontFace font(freeType.library, fontPath);
    const FT_Size_Metrics& metrics = font.face->size->metrics;
    const int baseline = static_cast<int>(metrics.ascender >> 6);
    const int cellHeight = baseline - static_cast<int>(metrics.descender >> 6);
    if (FT_Load_Char(font.face, 'M', FT_LOAD_DEFAULT) != 0) {
        throw std::runtime_error("no M in font " + fontPath);
    }
    const int cellWidth = static_cast<int>(font.face->glyph->advance.x >> 6);
    const std::vector<unsigned int> points = codePoints();
    const int rows = (static_cast<int>(points.size()) + columns - 1) / columns;
    Image atlas(columns * cellWidth, rows * cellHeight);
    std::ostringstream table;
    table << cellWidth << ' ' << cellHeight << ' ' << columns << '\n';
    for (size_t cell = 0; cell < points.size(); ++cell) {
        const int cellX = static_cast<int>(cell % columns) * cellWidth;
        const int cellY = static_cast<int>(cell / columns) * cellHeight;
        if (points[cell] == solidCell) {
            for (int y = 0; y < cellHeight; ++y) {
                for (int x = 0; x < cellWidth; ++x) {
                    atlas.set(cellX + x, cellY + y, glm::vec3(1.0f));
                }
            }
        } else if (FT_Load_Char(font.face, points[cell], FT_LOAD_RENDER) == 0) {
            drawGlyph(atlas, font.face->glyph, cellX, cellY, cellWidth, cellHeight, baseline);
        }
        table << points[cell] << (cell + 1 < points.size() ? ' ' : '\n');
    }
    folder.writeTexture("FontAtlas", atlas);
    folder.writeText("Textures/FontAtlas.txt", table.str());
}

} // namespace Velmora
