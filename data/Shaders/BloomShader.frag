#version 330 core

in vec2 textureCoordinate;

uniform sampler2D colorTexture;
uniform sampler2D blurTexture;

out vec4 fragColor;

// How strongly the glow is added: enough to haze the surroundings of a lamp, little enough that a sunlit picture
// keeps its colours.
const float glowWeight = 0.8;

void main() {
    vec3 color = texture(colorTexture, textureCoordinate).rgb;
    vec3 glow = texture(blurTexture, textureCoordinate).rgb;
    fragColor = vec4(color + glowWeight * glow, 1.0);
}
