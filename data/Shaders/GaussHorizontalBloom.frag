#version 330 core

in vec2 textureCoordinate;

uniform sampler2D colorTexture;

out vec4 fragColor;

// The weights 1/4, 1/2, 1/4 one reduced texel apart, as in the vertical blur, so that a glow spreads as far across
// as up. Here the taps land on texel centres, so two linear taps half a texel to either side give all three
// weights at once.
vec3 colorAt(float x) {
    // Taps stay inside the picture: the texture repeats, and a glow at one border must not show at the other.
    float halfTexel = 0.5 / float(textureSize(colorTexture, 0).x);
    return texture(colorTexture, vec2(clamp(x, halfTexel, 1.0 - halfTexel), textureCoordinate.y)).rgb;
}

void main() {
    float halfTexel = 0.5 / float(textureSize(colorTexture, 0).x);
    vec3 sum = colorAt(textureCoordinate.x - halfTexel) + colorAt(textureCoordinate.x + halfTexel);
    fragColor = vec4(0.5 * sum, 1.0);
}
