#version 330 core

in vec2 textureCoordinate;

uniform sampler2D colorTexture;

out vec4 fragColor;

// Runs at the full size on the reduced texture: the taps fall between reduced texels, so every tap is a linear
// blend of two rows. Spaced one reduced texel apart, these blends add up to a smooth bell; spaced wider, the glow
// would break into bands.
const float weights[3] = float[](0.375, 0.25, 0.0625);

// Taps stay inside the picture: the texture repeats, and a glow at one border must not show at the other.
vec3 colorAt(float y) {
    float halfTexel = 0.5 / float(textureSize(colorTexture, 0).y);
    return texture(colorTexture, vec2(textureCoordinate.x, clamp(y, halfTexel, 1.0 - halfTexel))).rgb;
}

void main() {
    float step = 1.0 / float(textureSize(colorTexture, 0).y);
    vec3 sum = weights[0] * colorAt(textureCoordinate.y);
    for (int i = 1; i <= 2; ++i) {
        sum += weights[i] * colorAt(textureCoordinate.y + float(i) * step);
        sum += weights[i] * colorAt(textureCoordinate.y - float(i) * step);
    }
    fragColor = vec4(sum, 1.0);
}
