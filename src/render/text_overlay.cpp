#include "render/text_overlay.hpp"

#include "render/gl_uniforms.hpp"

namespace Velmora {
namespace {

// Per vertex: the window pixel, the atlas texel, the colour.
constexpr int floatsPerVertex = 8;

// The code points of UTF-8 text; a byte that starts no character stands for itself, which the atlas shows as
// a question mark.
std::u32string codePointsOf(const std::string& text) {
    std::u32string points;
    for (size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const int extra = byte >= 0xf0 ? 3 : byte >= 0xe0 ? 2 : byte >= 0xc0 ? 1 : 0;
        char32_t point = extra == 0 ? byte : byte & (0x3f >> extra);
        for (int k = 0; k < extra && i + 1 < text.size(); ++k) {
            point = (point << 6) | (static_cast<unsigned char>(text[++i]) & 0x3f);
        }
        points.push_back(point);
    }
    return points;
}

void enableAttribute(GLuint program, const char* name, int size, int offset) {
    const GLint location = glGetAttribLocation(program, name);
    glEnableVertexAttribArray(static_cast<GLuint>(location));
    glVertexAttribPointer(static_cast<GLuint>(location), size, GL_FLOAT, GL_FALSE,
                          floatsPerVertex * sizeof(float),
                          reinterpret_cast<const void*>(offset * sizeof(float)));
}

void setEnabled(GLenum capability, bool enabled) {
    if (enabled) {
        glEnable(capability);
    } else {
        glDisable(capability);
    }
}

} // namespace

TextOverlay::TextOverlay()
    : atlas(std::make_unique<GlyphAtlas>("Textures/FontAtlas.png", "Textures/FontAtlas.txt")),
      shader(std::make_unique<Shader>("Shaders/TextShader.vert", "Shaders/TextShader.frag")),
      vertexBuffer(GlBuffer::generate()), vertexArray(GlVertexArray::generate()) {
    setUpVertexArray();
}

void TextOverlay::setUpVertexArray() {
    glBindVertexArray(vertexArray);
    glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer);
    enableAttribute(shader->program, "position", 2, 0);
    enableAttribute(shader->program, "uv", 2, 2);
    enableAttribute(shader->program, "color", 4, 4);
    glBindVertexArray(0);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
}

void TextOverlay::setWindowSize(float width, float height) {
    glUseProgram(shader->program);
    setUniform(shader->program, "WIDTH", width);
    setUniform(shader->program, "HEIGHT", height);
    glUseProgram(0);
}

// A glyph covers its cell texel for texel; a box stretches the one texel at the solid cell's middle.
void TextOverlay::addQuad(const glm::ivec2& corner, const glm::ivec2& size, const glm::vec2& texel,
                          const glm::vec2& texelSize, const glm::vec4& color) {
    for (const glm::ivec2& step : {glm::ivec2(0, 0), glm::ivec2(1, 0), glm::ivec2(1, 1), glm::ivec2(0, 0),
                                   glm::ivec2(1, 1), glm::ivec2(0, 1)}) {
        const glm::vec2 pixel = glm::vec2(corner + step * size);
        const glm::vec2 uv = texel + glm::vec2(step) * texelSize;
        vertices.insert(vertices.end(), {pixel.x, pixel.y, uv.x, uv.y, color.r, color.g, color.b, color.a});
    }
}

void TextOverlay::addBox(const glm::ivec2& corner, const glm::ivec2& size, const glm::vec4& color) {
    addQuad(corner, size, glm::vec2(atlas->cellOf(GlyphAtlas::solidCell)) + 0.5f, glm::vec2(0.0f), color);
}

void TextOverlay::addText(const glm::ivec2& corner, const std::string& text, const glm::vec4& color) {
    const glm::ivec2 cell(atlas->cellWidth, atlas->cellHeight);
    const glm::ivec2 glyph = glyphSize();
    glm::ivec2 place = corner;
    for (const char32_t point : codePointsOf(text)) {
        if (point != U' ') {
            addQuad(place, glyph, glm::vec2(atlas->cellOf(point)), glm::vec2(cell), color);
        }
        place.x += glyph.x;
    }
}

int TextOverlay::textWidth(const std::string& text) const {
    return static_cast<int>(codePointsOf(text).size()) * glyphSize().x;
}

int TextOverlay::lineHeight() const {
    return glyphSize().y;
}

// Whole pixels, so that every glyph of a line is as wide as the next.
glm::ivec2 TextOverlay::glyphSize() const {
    return glm::max(glm::ivec2(glm::vec2(atlas->cellWidth, atlas->cellHeight) * scale), glm::ivec2(1));
}

void TextOverlay::draw() {
    if (vertices.empty()) {
        return;
    }
    // Over everything drawn before, whatever its depth; blended by the glyphs' coverage.
    const bool depthTest = glIsEnabled(GL_DEPTH_TEST) == GL_TRUE;
    const bool blending = glIsEnabled(GL_BLEND) == GL_TRUE;
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
    glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(vertices.size() * sizeof(float)), vertices.data(),
                 GL_STREAM_DRAW);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glUseProgram(shader->program);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, atlas->texture->id);
    setUniform(shader->program, "glyphAtlas", 0);
    glBindVertexArray(vertexArray);
    glDrawArrays(GL_TRIANGLES, 0, static_cast<GLsizei>(vertices.size() / floatsPerVertex));
    glBindVertexArray(0);
    glBindTexture(GL_TEXTURE_2D, 0);
    glUseProgram(0);
    setEnabled(GL_DEPTH_TEST, depthTest);
    setEnabled(GL_BLEND, blending);
    vertices.clear();
}

} // namespace Velmora
