#pragma once

#include "render/color_target.hpp"
#include "render/shader.hpp"

#include <GL/glew.h>
#include <initializer_list>

namespace Velmora {

// One texture that a full-screen pass reads, with the name of the sampler that reads it.
struct PassInput {
    const char* sampler;
    GLuint texture;
};

// Draws the screen quad with the program into the target, which it clears first; the inputs go to texture
// units 0, 1, ... in the order given. Leaves the target bound, unit 0 active and no texture or program in
// use, so that the next pass starts from a clean slate whatever it binds.
void drawFullScreenPass(const ColorTarget& target, const Shader& shader,
                        std::initializer_list<PassInput> inputs, GLuint quadVao, GLuint quadIndexCount);
// As drawFullScreenPass, but over what the target holds: only the fragments drawn (within the scissor box,
// where the test is on) change.
void drawOverTarget(const ColorTarget& target, const Shader& shader, std::initializer_list<PassInput> inputs,
                    GLuint quadVao, GLuint quadIndexCount);

} // namespace Velmora
