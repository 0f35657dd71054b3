#include "render/full_screen_pass.hpp"

#include "render/gl_uniforms.hpp"

namespace Velmora {

void drawFullScreenPass(const ColorTarget& target, const Shader& shader,
                        std::initializer_list<PassInput> inputs, GLuint quadVao, GLuint quadIndexCount) {
    glBindFramebuffer(GL_FRAMEBUFFER, target.framebuffer);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    drawOverTarget(target, shader, inputs, quadVao, quadIndexCount);
}

void drawOverTarget(const ColorTarget& target, const Shader& shader, std::initializer_list<PassInput> inputs,
                    GLuint quadVao, GLuint quadIndexCount) {
    glBindFramebuffer(GL_FRAMEBUFFER, target.framebuffer);
    glUseProgram(shader.program);
    int unit = 0;
    for (const PassInput& input : inputs) {
        glActiveTexture(GL_TEXTURE0 + unit);
        glBindTexture(GL_TEXTURE_2D, input.texture);
        setUniform(shader.program, input.sampler, unit);
        ++unit;
    }
    drawIndexedTriangles(quadVao, quadIndexCount);
    while (unit > 0) {
        --unit;
        glActiveTexture(GL_TEXTURE0 + unit);
        glBindTexture(GL_TEXTURE_2D, 0);
    }
    glUseProgram(0);
}

} // namespace Velmora
