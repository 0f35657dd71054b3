#version 330 core

layout(location = 0) in vec3 position;

uniform mat4 MVPMatrix;

// Object-space point on the cube; the fragment stage derives its texture coordinates from it.
out vec3 skyPosition;

void main() {
    skyPosition = position;
    gl_Position = MVPMatrix * vec4(position, 1.0);
}
