#version 330 core

// Fixed location: every full-screen program draws through the one vertex array recorded for the screen quad. The
// blur addresses whole texels by the fragment's position, so it takes no texture coordinate.
layout(location = 0) in vec3 position;

void main() {
    gl_Position = vec4(position, 1.0);
}
