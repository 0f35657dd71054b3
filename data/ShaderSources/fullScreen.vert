#version 330 core

// Fixed locations: every full-screen program draws through the one vertex array recorded for this program.
layout(location = 0) in vec3 position;
layout(location = 2) in vec2 uv;

out vec2 textureCoordinate;

void main() {
    textureCoordinate = uv;
    gl_Position = vec4(position, 1.0);
}
