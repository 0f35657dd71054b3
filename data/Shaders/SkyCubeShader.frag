#version 330 core

in vec3 skyPosition;
flat in float daylight;

uniform sampler2D colorTextureDay;
uniform sampler2D colorTextureNight;

out vec4 fragColor;

// Each face shows one whole tile of the picture, projected along the face's axis. The three projections are
// blended by direction, a continuous function of the point, so no hard seam shows where two faces meet; the blend
// stays narrow because a projection seen at a grazing angle smears stars into streaks.
vec3 sampleSky(sampler2D sky, vec3 p) {
    // The 48th powers of the direction's components, up to a common factor that the division by their sum takes
    // out again: scaled by the largest component instead of the length, and raised by squaring, they cost a few
    // products instead of three logarithms and exponentials a pixel on software renderers.
    vec3 a = abs(p);
    a /= max(a.x, max(a.y, a.z));
    vec3 a2 = a * a;
    vec3 a4 = a2 * a2;
    vec3 a16 = a4 * a4 * a4 * a4;
    vec3 weights = a16 * a16 * a16;
    weights /= weights.x + weights.y + weights.z;
    vec3 tile = p / 16.0 + 0.5;
    // The camera never leaves the cube and a tile spans a face, so the picture is always magnified: level 0 is
    // what mipmapping would pick anyway, without working out a level for every pixel. Most of the sky lies well
    // inside one face; skipping the projections that add nothing halves the cost on software renderers.
    vec3 color = vec3(0.0);
    if (weights.x > 0.002) {
        color += textureLod(sky, tile.yz, 0.0).rgb * weights.x;
    }
    if (weights.y > 0.002) {
        color += textureLod(sky, tile.zx, 0.0).rgb * weights.y;
    }
    if (weights.z > 0.002) {
        color += textureLod(sky, tile.xy, 0.0).rgb * weights.z;
    }
    return color;
}

void main() {
    vec3 day = daylight > 0.0 ? sampleSky(colorTextureDay, skyPosition) : vec3(0.0);
    vec3 night = daylight < 1.0 ? sampleSky(colorTextureNight, skyPosition) : vec3(0.0);
    fragColor = vec4(mix(night, day, daylight), 1.0);
}
