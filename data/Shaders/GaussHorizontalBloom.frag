#version 330 core

in vec2 textureCoordinate;

uniform sampler2D colorTexture;

out vec4 fragColor;

// The binomial weights 1, 4, 6, 4, 1 (sixteenths), one reduced texel apart, as in the vertical blur, so that a glow
// spreads as far across as up. Here every tap lands on a texel centre, so each pair of neighbours on one side
// merges into one linear tap placed between them by their weights: three fetches instead of five.
const float centreWeight = 0.375;
const float sideWeight = 0.3125;
const float sideOffset = 1.2;

// Taps stay inside the picture: the texture repeats, and a glow at one border must not show at the other.
vec3 colorAt(float x) {
    float halfTexel = 0.5 / float(textureSize(colorTexture, 0).x);
    return texture(colorTexture, vec2(clamp(x, halfTexel, 1.0 - halfTexel), textureCoordinate.y)).rgb;
}

void main() {
    float offset = sideOffset / float(textureSize(colorTexture, 0).x);
    vec3 sum = centreWeight * colorAt(textureCoordinate.x);
    sum += sideWeight * colorAt(textureCoordinate.x - offset);
    sum += sideWeight * colorAt(textureCoordinate.x + offset);
    fragColor = vec4(sum, 1.0);
}
