#include "world/hearts_display.hpp"

#include "render/gl_uniforms.hpp"

#include <string>

namespace Velmora {

HeartsDisplay::HeartsDisplay() {
    for (int i = 0; i < heartCount; ++i) {
        heartShaders[i] = std::make_unique<Shader>("Shaders/Heart" + std::to_string(i + 1) + "_Shader.vert",
                                                   "Shaders/HeartShader.frag");
    }
    fullHeartTexture = std::make_unique<Texture>("Textures/FullHeart.png");
    emptyHeartTexture = std::make_unique<Texture>("Textures/EmptyHeart.png");
}

void HeartsDisplay::setWindowSize(float width, float height) {
    for (const std::unique_ptr<Shader>& heartShader : heartShaders) {
        glUseProgram(heartShader->program);
        setUniform(heartShader->program, "WIDTH", width);
        setUniform(heartShader->program, "HEIGHT", height);
    }
}

void HeartsDisplay::draw(GLuint vertexArray, GLuint indexCount, int lives) {
    for (int i = 0; i < heartCount; ++i) {
        const GLuint program = heartShaders[i]->program;
        glUseProgram(program);
        glActiveTexture(GL_TEXTURE0);
        const Texture& heart = lives >= i + 1 ? *fullHeartTexture : *emptyHeartTexture;
        glBindTexture(GL_TEXTURE_2D, heart.id);
        setUniform(program, "heartTexture", 0);
        drawIndexedTriangles(vertexArray, indexCount);
        glBindTexture(GL_TEXTURE_2D, 0);
        glUseProgram(0);
    }
}

} // namespace Velmora
