#version 330 core

// The locations the rock program reads its positions and per-rock matrices from.
layout(location = 0) in vec3 position;
layout(location = 3) in mat4 MVPMatrix;

void main() {
    gl_Position = MVPMatrix * vec4(position, 1.0);
}
