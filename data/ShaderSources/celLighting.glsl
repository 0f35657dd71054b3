#version 330 core

in vec3 worldPosition;
in vec3 worldNormal;
in vec2 textureCoordinate;
in vec4 shadowCoordinate;

// Unit vector from the planet's centre towards the sun: a directional light.
uniform vec3 lightVector;
uniform vec4 cameraPosition;
uniform vec3 ambientFactor;
uniform vec3 diffuseFactor;
uniform vec3 specularFactor;
uniform float shininess;
uniform sampler2D colorTexture;
uniform sampler2D shadow_map;
uniform vec3 pointLightPositions[4];
uniform vec3 pointLightColors[4];
uniform float pointLightIntensities[4];
uniform float pointLightRanges[4];

out vec4 fragColor;

// Light that a kind of model adds of its own, as a factor of its texture colour; each kind's part, joined after
// this one, defines it.
float ownLight(vec3 normal);

// Shadow-map depth runs over the light box's 5 units. A caster starts to shade 0.01 units in front of a point and
// shades fully 0.08 units further: near a shadow's edge the blur mixes the caster's depth with the ground's, so the
// shadow fades out over the width of the blur instead of ending in a hard line.
const float depthPerUnit = 1.0 / 5.0;
const float shadowStart = 0.01 * depthPerUnit;
const float shadowFade = 0.08 * depthPerUnit;

float sunBand(float lambert) {
    if (lambert > 0.65) {
        return 1.0;
    }
    if (lambert > 0.3) {
        return 0.65;
    }
    if (lambert > 0.0) {
        return 0.35;
    }
    return 0.0;
}

// The blur wrote whole 1/255 steps of depth in red and the remainder, scaled by 255, in green.
float blurredDepthAt(vec2 position) {
    vec2 encoded = texture(shadow_map, position).rg;
    return encoded.r + encoded.g / 255.0;
}

// 0 where the sun reaches the point, 1 where a caster hides it; in between where the blur mixed both depths.
float sunHidden(float lambert) {
    vec3 mapped = shadowCoordinate.xyz / shadowCoordinate.w;
    bool outsideLightBox = any(lessThan(mapped, vec3(0.0))) || any(greaterThan(mapped, vec3(1.0)));
    if (outsideLightBox) {
        return 0.0;
    }
    // A slanted surface changes depth within one texel of the map (3/1024 units wide); allow for half a texel.
    float slope = min(sqrt(1.0 - lambert * lambert) / lambert, 10.0);
    float start = shadowStart + 0.0015 * depthPerUnit * slope;
    return smoothstep(start, start + shadowFade, mapped.z - blurredDepthAt(mapped.xy));
}

// A small hard-edged glint rather than a white disc: on a planet this small the camera is always close enough to
// the surface that a plain Blinn lobe would cover a large part of it. The glint is where the lobe, the cosine
// raised to the sharpness, reaches one half: comparing the cosine with the sharpness-th root of one half draws
// the same edge without a power a pixel.
float highlight(vec3 normal, vec3 toSun) {
    vec3 toCamera = normalize(cameraPosition.xyz - worldPosition);
    vec3 halfway = normalize(toSun + toCamera);
    float sharpness = 4.0 * max(shininess, 1.0);
    return dot(normal, halfway) >= exp2(-1.0 / sharpness) ? 0.3 : 0.0;
}

// A lantern's own glass surrounds its light and is lit from inside whichever way it faces, so at night the lamp
// is the brightest thing on the planet and the bloom makes it glow.
const float lampGlassReach = 0.06;

// Lantern light fades to nothing at its range; half-Lambert lets it wrap over the ground around the lantern.
vec3 lanternLight(vec3 normal) {
    vec3 light = vec3(0.0);
    for (int i = 0; i < 4; ++i) {
        vec3 toLight = pointLightPositions[i] - worldPosition;
        float squaredDistance = dot(toLight, toLight);
        float range = pointLightRanges[i];
        // Most of the planet lies beyond every lantern's reach, where the light adds nothing; an unused light has
        // no range. One test and one reciprocal root keep the loop cheap where software renderers run it for all.
        if (range > 0.0 && squaredDistance < range * range) {
            float inverseDistance = inversesqrt(max(squaredDistance, 1e-8));
            float lightDistance = squaredDistance * inverseDistance;
            float falloff = clamp(1.0 - lightDistance / range, 0.0, 1.0);
            float facing = lightDistance < lampGlassReach
                               ? 1.0
                               : clamp(0.5 + 0.5 * dot(normal, toLight) * inverseDistance, 0.0, 1.0);
            light += pointLightColors[i] * pointLightIntensities[i] * falloff * falloff * facing;
        }
    }
    return light;
}

void main() {
    vec3 normal = normalize(worldNormal);
    vec3 toSun = normalize(lightVector);
    // Rounding can carry the cosine just past 1 where the normal faces the sun, and the shadow's slope would then
    // take the square root of a negative number.
    float lambert = clamp(dot(normal, toSun), -1.0, 1.0);
    // Faces turned away from the sun are already in the darkest band; the shadow map must not darken them again.
    float sunVisible = lambert > 0.0 ? 1.0 - sunHidden(lambert) : 0.0;

    vec3 albedo = texture(colorTexture, textureCoordinate).rgb;
    vec3 sunlight = diffuseFactor * sunBand(lambert) * sunVisible;
    // The night side shows no glint, so it need not work one out.
    vec3 shine = sunVisible > 0.0 ? specularFactor * highlight(normal, toSun) * sunVisible : vec3(0.0);
    vec3 light = ambientFactor + ownLight(normal) + sunlight + diffuseFactor * lanternLight(normal);
    fragColor = vec4(albedo * light + shine, 1.0);
}
