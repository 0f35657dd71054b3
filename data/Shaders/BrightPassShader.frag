#version 330 core

in vec2 textureCoordinate;

uniform sampler2D colorTexture;

out vec4 fragColor;

// Only what is brighter than the white clouds glows: the sun and the glints. Above the threshold a colour keeps
// the share of itself by which its brightness exceeds it, so the glow fades in instead of switching on.
const float threshold = 0.9;
const vec3 luminanceWeights = vec3(0.2126, 0.7152, 0.0722);

vec3 brightPart(vec2 position) {
    vec3 color = texture(colorTexture, position).rgb;
    float excess = (dot(color, luminanceWeights) - threshold) / (1.0 - threshold);
    return color * clamp(excess, 0.0, 1.0);
}

// Each texel here stands for an 8 x 8 block of the picture. Sixteen linear taps on the corners between texel pairs
// take the mean of four picture texels each and together cover the block whole, so a lamp a few pixels wide glows
// wherever it falls, and the threshold judges 2 x 2 quads rather than the block's mean.
void main() {
    vec2 texel = 1.0 / vec2(textureSize(colorTexture, 0));
    vec3 sum = vec3(0.0);
    for (int y = -3; y <= 3; y += 2) {
        for (int x = -3; x <= 3; x += 2) {
            sum += brightPart(textureCoordinate + vec2(x, y) * texel);
        }
    }
    fragColor = vec4(sum / 16.0, 1.0);
}
