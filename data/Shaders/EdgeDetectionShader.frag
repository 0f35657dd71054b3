#version 330 core

in vec2 textureCoordinate;

uniform sampler2D depthTexture;
// The game's projection planes: stored depth is affine in the reciprocal of the distance from the eye.
uniform float nearPlane;
uniform float farPlane;

out vec4 fragColor;

const float edgeStart = 0.002;
const float edgeFull = 0.006;

// Taps stay inside the picture: the texture repeats, and the far border must not outline the near one.
float inverseDistanceAt(vec2 position, vec2 texel) {
    float depth = texture(depthTexture, clamp(position, 0.5 * texel, 1.0 - 0.5 * texel)).r;
    return 1.0 - depth * (1.0 - nearPlane / farPlane);
}

// The inverse distance from the eye (up to a constant factor) is affine across the screen on every flat face, so
// its second difference is zero there and large at silhouettes and creases. Two linear taps on opposite corners
// of this texel, each the mean of four texels, and the texel itself give that difference for the price of three
// fetches; it marks both sides of a silhouette, two texels in all at 1800 x 1000. Taken relative to the farthest
// value, it keeps outlines of the same width at every zoom and leaves a smooth, curved surface clean until it
// turns almost edge-on to the eye, at a planet's rim.
void main() {
    vec2 texel = 1.0 / vec2(textureSize(depthTexture, 0));
    float here = inverseDistanceAt(textureCoordinate, texel);
    float upperLeft = inverseDistanceAt(textureCoordinate + vec2(-0.5, 0.5) * texel, texel);
    float lowerRight = inverseDistanceAt(textureCoordinate + vec2(0.5, -0.5) * texel, texel);
    float curvature = abs(upperLeft + lowerRight - 2.0 * here) / min(here, min(upperLeft, lowerRight));
    float edge = smoothstep(edgeStart, edgeFull, curvature);
    fragColor = vec4(vec3(1.0 - edge), 1.0);
}
