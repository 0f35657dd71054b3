#pragma once

#include "render/shader.hpp"
#include "render/texture.hpp"

#include <GL/glew.h>
#include <array>
#include <memory>

namespace Velmora {

// The three hearts over the finished picture, full while the player has that many lives, empty otherwise.
// Each heart's program places it from the window size, so the hearts keep their size and corner whatever
// the window; they draw through the screen quad's mesh and own no geometry.
class HeartsDisplay {
public:
    static constexpr int heartCount = 3;

    HeartsDisplay();
    HeartsDisplay(const HeartsDisplay&) = delete;
    HeartsDisplay& operator=(const HeartsDisplay&) = delete;

    void setWindowSize(float width, float height);
    // Expects blending on and the window's framebuffer bound at the window's size.
    void draw(GLuint vertexArray, GLuint indexCount, int lives);

    // Released from the bottom up: the programs, then the two pictures.
    std::unique_ptr<Texture> emptyHeartTexture;
    std::unique_ptr<Texture> fullHeartTexture;
    std::array<std::unique_ptr<Shader>, heartCount> heartShaders;
};

} // namespace Velmora
