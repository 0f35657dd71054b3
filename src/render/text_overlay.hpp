#pragma once

#include "render/gl_name.hpp"
#include "render/glyph_atlas.hpp"
#include "render/shader.hpp"

#include <glm/glm.hpp>
#include <memory>
#include <string>
#include <vector>

namespace Velmora {

// Text and the boxes behind it, placed in window pixels from the top-left corner and drawn over the finished
// picture. Each glyph is copied from the atlas, each texel a square of whole pixels, so the text is sharp at
// any size. The quads of a frame are gathered first and drawn in one call.
class TextOverlay {
public:
    TextOverlay();
    TextOverlay(const TextOverlay&) = delete;
    TextOverlay& operator=(const TextOverlay&) = delete;

    void setWindowSize(float width, float height);
    void addBox(const glm::ivec2& corner, const glm::ivec2& size, const glm::vec4& color);
    // Text in UTF-8 on one line, its cells' top-left corner at the given pixel.
    void addText(const glm::ivec2& corner, const std::string& text, const glm::vec4& color);
    // The width of one line of text in pixels.
    int textWidth(const std::string& text) const;
    int lineHeight() const;
    // The pixels a texel of the atlas covers on each side for the text added from then on. Whole numbers keep
    // every glyph as sharp as the atlas; below 1 the glyphs are filtered down, for text that must fit.
    void setScale(float pixelsPerTexel) { scale = pixelsPerTexel; }
    // Draws what was added since the last draw and forgets it; the window's framebuffer must be bound.
    // Nothing added, nothing drawn and no state touched.
    void draw();

private:
    glm::ivec2 glyphSize() const;
    void addQuad(const glm::ivec2& corner, const glm::ivec2& size, const glm::vec2& texel,
                 const glm::vec2& texelSize, const glm::vec4& color);
    void setUpVertexArray();

    // Released from the bottom up: the vertex array before its buffer, then the program, then the glyphs.
    std::unique_ptr<GlyphAtlas> atlas;
    std::unique_ptr<Shader> shader;
    GlBuffer vertexBuffer;
    GlVertexArray vertexArray;
    std::vector<float> vertices;
    float scale = 1.0f;
};

} // namespace Velmora
