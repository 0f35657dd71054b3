#version 330 core

layout(location = 0) in vec3 position;

uniform mat4 lightMVPMatrix;

void main() {
    gl_Position = lightMVPMatrix * vec4(position, 1.0);
}
