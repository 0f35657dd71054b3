#version 330 core

uniform sampler2D depthTexture;

out vec4 fragColor;

// Gaussian with a deviation of 3.5 texels over 19 taps, one texel apart, normalised to a sum of 1: the edges of a
// shadow soften over about a dozen texels while a character's shadow, some 34 texels wide, keeps its core.
// Each side's taps 1 and 2, 3 and 4, 5 and 6, 7 and 8 are read as one linearly filtered fetch between the two
// texels, placed where the filter weighs them as the Gaussian does, with their summed weight; tap 9 stays alone.
// The map is read through a linear sampler that clamps to its edge; the map's border holds no caster, so the
// clamped taps read the same empty depth as the texture's repeat did.
const float centreWeight = 0.114724;
const float pairWeights[5] = float[](0.207579, 0.139163, 0.067746, 0.023943, 0.004206);
const float pairOffsets[5] = float[](1.469426, 3.429051, 5.389602, 7.351543, 9.0);

// The target holds only 8 bits per channel: the depth goes out as whole 1/255 steps in red and the remainder,
// scaled up by 255, in green, which keeps it to about 1/65000. Red + green / 255 is linear in both channels, so
// filtering and blurring the two channels filters and blurs the depth itself.
vec3 encodeDepth(float depth) {
    float steps = floor(depth * 255.0);
    return vec3(steps / 255.0, depth * 255.0 - steps, 0.0);
}

// The pass covers the map texel for texel: the fragment's centre is its texel's centre.
void main() {
    float texelWidth = 1.0 / float(textureSize(depthTexture, 0).x);
    vec2 centre = gl_FragCoord.xy * vec2(texelWidth, 1.0 / float(textureSize(depthTexture, 0).y));
    float depth = centreWeight * texelFetch(depthTexture, ivec2(gl_FragCoord.xy), 0).r;
    for (int i = 0; i < 5; ++i) {
        vec2 offset = vec2(pairOffsets[i] * texelWidth, 0.0);
        depth += pairWeights[i] * (texture(depthTexture, centre + offset).r + texture(depthTexture, centre - offset).r);
    }
    fragColor = vec4(encodeDepth(depth), 1.0);
}
