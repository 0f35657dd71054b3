#version 330 core

uniform sampler2D colorTexture;
uniform sampler2D edgeTexture;

out vec4 fragColor;

// Outlines darken what lies under them to a fifth instead of painting black: over the sky they read as a deep
// blue, over the grass as a deep green, which suits the painted look better than pure black ink.
const float outlineShade = 0.2;

// The pass covers both images texel for texel, so no fetch needs filtering.
void main() {
    ivec2 texel = ivec2(gl_FragCoord.xy);
    vec3 color = texelFetch(colorTexture, texel, 0).rgb;
    float ink = 1.0 - texelFetch(edgeTexture, texel, 0).r;
    fragColor = vec4(color * mix(1.0, outlineShade, ink), 1.0);
}
