#version 330 core

in vec2 textureCoordinate;

uniform sampler2D depthTexture;
// The game's projection planes: stored depth is affine in the reciprocal of the distance from the eye.
uniform float nearPlane;
uniform float farPlane;

out vec4 fragColor;

// Bounds on the relative second difference below. A silhouette in front of something a little more than 1 %
// further away reaches the upper one, so that everything stands out from the ground behind it; creases reach them
// where faces meet at a sharp angle; the planet's own curve stays under the lower one until its surface turns
// within a few degrees of edge-on, along the rim.
const float edgeStart = 0.002;
const float edgeFull = 0.006;

// The reciprocal of the distance from the eye, up to a constant factor.
float inverseDistance(float depth) {
    return 1.0 - depth * (1.0 - nearPlane / farPlane);
}

float inverseDistanceAt(vec2 position, vec2 texel) {
    // Taps stay inside the picture: the texture repeats, and the far border must not outline the near one.
    return inverseDistance(texture(depthTexture, clamp(position, 0.5 * texel, 1.0 - 0.5 * texel)).r);
}

// The reciprocal distance is affine across the screen on every flat face, so its second difference is zero there
// and large at silhouettes and creases. Two linear taps on opposite corners of this texel, each the mean of four
// texels, and the texel itself give such a difference in every direction for three fetches; it marks both sides of
// a silhouette, two texels in all. Taken relative to the farthest of the three values it does not change with the
// zoom, so outlines keep their width.
void main() {
    vec2 texel = 1.0 / vec2(textureSize(depthTexture, 0));
    // The pass covers the depth image texel for texel, so the fragment's own texel needs no filtering.
    float here = inverseDistance(texelFetch(depthTexture, ivec2(gl_FragCoord.xy), 0).r);
    float upperLeft = inverseDistanceAt(textureCoordinate + vec2(-0.5, 0.5) * texel, texel);
    float lowerRight = inverseDistanceAt(textureCoordinate + vec2(0.5, -0.5) * texel, texel);
    float curvature = abs(upperLeft + lowerRight - 2.0 * here) / min(here, min(upperLeft, lowerRight));
    float edge = smoothstep(edgeStart, edgeFull, curvature);
    // Dark lines on white: the outlines as ink on paper.
    fragColor = vec4(vec3(1.0 - edge), 1.0);
}
