#version 330 core

in vec2 textureCoordinate;

uniform sampler2D colorTexture;

out vec4 fragColor;

void main() {
    fragColor = vec4(texture(colorTexture, textureCoordinate).rgb, 1.0);
}
