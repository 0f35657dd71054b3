#version 330 core

in vec2 position;
in vec2 uv;
in vec4 color;

uniform float WIDTH;
uniform float HEIGHT;

out vec2 texel;
out vec4 textColor;

// Positions in window pixels from the top-left corner, as the hearts measure theirs; the atlas in texels.
void main() {
    gl_Position = vec4(position.x / WIDTH * 2.0 - 1.0, 1.0 - position.y / HEIGHT * 2.0, 0.0, 1.0);
    texel = uv;
    textColor = color;
}
