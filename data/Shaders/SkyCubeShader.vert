#version 330 core

layout(location = 0) in vec3 position;

uniform mat4 MVPMatrix;
uniform vec3 lightVector;
uniform vec3 playerPosition;

// Object-space point on the cube; the fragment stage derives its texture coordinates from it.
out vec3 skyPosition;
// The same for the whole sky, so it is worked out a corner rather than a pixel.
flat out float daylight;

void main() {
    skyPosition = position;
    // Sun high over the player: day; sun below the player's horizon: night; a short dusk and dawn between.
    float sunHeight = dot(normalize(playerPosition), normalize(lightVector));
    daylight = smoothstep(-0.25, 0.25, sunHeight);
    gl_Position = MVPMatrix * vec4(position, 1.0);
}
