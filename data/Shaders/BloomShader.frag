#version 330 core

uniform sampler2D colorTexture;
uniform sampler2D blurTexture;

out vec4 fragColor;

// How strongly the glow is added: enough to haze the surroundings of the sun or a glint, little enough that a
// sunlit picture keeps its colours.
const float glowWeight = 0.8;

// The pass covers the picture and the glow texel for texel, so no fetch needs filtering.
void main() {
    ivec2 texel = ivec2(gl_FragCoord.xy);
    vec3 color = texelFetch(colorTexture, texel, 0).rgb;
    vec3 glow = texelFetch(blurTexture, texel, 0).rgb;
    fragColor = vec4(color + glowWeight * glow, 1.0);
}
