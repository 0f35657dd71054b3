#version 330 core

in vec2 textureCoordinate;

uniform sampler2D colorTexture;
uniform sampler2D edgeTexture;

out vec4 fragColor;

// Outlines darken what lies under them to a fifth instead of painting black: over the sky they read as a deep
// blue, over the grass as a deep green, which suits the painted look better than pure black ink.
const float outlineShade = 0.2;

void main() {
    vec3 color = texture(colorTexture, textureCoordinate).rgb;
    float ink = 1.0 - texture(edgeTexture, textureCoordinate).r;
    fragColor = vec4(color * mix(1.0, outlineShade, ink), 1.0);
}
