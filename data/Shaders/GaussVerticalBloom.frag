#version 330 core

in vec2 textureCoordinate;

uniform sampler2D colorTexture;

out vec4 fragColor;

// Runs at the full size on the reduced texture, eight rows here to one there. The taps fall between reduced texels,
// so each is a linear blend of two rows; one reduced texel apart, with the weights 1/4, 1/2, 1/4, the blends add up
// to a smooth bell about sixteen rows to either side. Wider spacing would break the glow into bands, more taps
// would cost a full-size fetch each.
vec3 colorAt(float y) {
    // Taps stay inside the picture, across as well as up, since they fall between texels both ways: the texture
    // repeats, and a glow at one border must not show at the other.
    vec2 halfTexel = 0.5 / vec2(textureSize(colorTexture, 0));
    return texture(colorTexture, clamp(vec2(textureCoordinate.x, y), halfTexel, 1.0 - halfTexel)).rgb;
}

void main() {
    float texelHeight = 1.0 / float(textureSize(colorTexture, 0).y);
    vec3 sum = 2.0 * colorAt(textureCoordinate.y);
    sum += colorAt(textureCoordinate.y - texelHeight) + colorAt(textureCoordinate.y + texelHeight);
    fragColor = vec4(0.25 * sum, 1.0);
}
