#version 330 core

in vec3 skyPosition;

uniform vec3 lightVector;
uniform vec3 playerPosition;
uniform sampler2D colorTextureDay;
uniform sampler2D colorTextureNight;

out vec4 fragColor;

// Each face shows one whole tile of the picture, projected along the face's axis. The three projections are
// blended by direction, a continuous function of the point, so no hard seam shows where two faces meet; the blend
// stays narrow because a projection seen at a grazing angle smears stars into streaks.
vec3 sampleSky(sampler2D sky, vec3 p) {
    vec3 weights = pow(abs(normalize(p)), vec3(48.0));
    weights /= weights.x + weights.y + weights.z;
    vec3 tile = p / 16.0 + 0.5;
    // Most of the sky lies well inside one face; skipping the projections that add nothing halves the cost on
    // software renderers.
    vec3 color = vec3(0.0);
    if (weights.x > 0.002) {
        color += texture(sky, tile.yz).rgb * weights.x;
    }
    if (weights.y > 0.002) {
        color += texture(sky, tile.zx).rgb * weights.y;
    }
    if (weights.z > 0.002) {
        color += texture(sky, tile.xy).rgb * weights.z;
    }
    return color;
}

void main() {
    // Sun high over the player: day; sun below the player's horizon: night; a short dusk and dawn between.
    float sunHeight = dot(normalize(playerPosition), normalize(lightVector));
    float daylight = smoothstep(-0.25, 0.25, sunHeight);
    vec3 day = daylight > 0.0 ? sampleSky(colorTextureDay, skyPosition) : vec3(0.0);
    vec3 night = daylight < 1.0 ? sampleSky(colorTextureNight, skyPosition) : vec3(0.0);
    fragColor = vec4(mix(night, day, daylight), 1.0);
}
