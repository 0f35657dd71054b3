#version 330 core

uniform sampler2D depthTexture;

out vec4 fragColor;

// Gaussian with a deviation of 3.5 texels over 19 taps, one texel apart, normalised to a sum of 1: the edges of a
// shadow soften over about a dozen texels while a character's shadow, some 34 texels wide, keeps its core.
const int radius = 9;
const float weights[10] = float[](0.114724, 0.110136, 0.097443, 0.079455, 0.059708, 0.041352, 0.026394, 0.015526,
                                  0.008417, 0.004206);

// The first pass wrote whole 1/255 steps in red and the remainder, scaled by 255, in green. The pass covers the
// first target texel for texel, so every tap is a whole texel away and needs no filtering (linear filtering
// between two taps would round red to whole steps again, an error of up to half a step of depth). Only the row
// moves; clamping it at the border, which holds no caster, reads the same empty depth as the texture's repeat did.
float depthAt(int column, int row, int lastRow) {
    vec2 encoded = texelFetch(depthTexture, ivec2(column, clamp(row, 0, lastRow)), 0).rg;
    return encoded.r + encoded.g / 255.0;
}

// The target holds only 8 bits per channel: the depth goes out as whole 1/255 steps in red and the remainder,
// scaled up by 255, in green, which keeps it to about 1/65000. Red + green / 255 is linear in both channels, so
// filtering and blurring the two channels filters and blurs the depth itself.
vec3 encodeDepth(float depth) {
    float steps = floor(depth * 255.0);
    return vec3(steps / 255.0, depth * 255.0 - steps, 0.0);
}

void main() {
    ivec2 texel = ivec2(gl_FragCoord.xy);
    int lastRow = textureSize(depthTexture, 0).y - 1;
    float depth = weights[0] * depthAt(texel.x, texel.y, lastRow);
    for (int i = 1; i <= radius; ++i) {
        depth += weights[i] * (depthAt(texel.x, texel.y + i, lastRow) + depthAt(texel.x, texel.y - i, lastRow));
    }
    fragColor = vec4(encodeDepth(depth), 1.0);
}
