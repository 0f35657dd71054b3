#version 330 core

// Fixed locations: the hearts draw through the screen quad's vertex array.
layout(location = 0) in vec3 position;
layout(location = 2) in vec2 uv;

uniform float WIDTH;
uniform float HEIGHT;

out vec2 textureCoordinate;

// Sizes in window pixels, measured from the top-left corner: a resize neither stretches the hearts nor moves
// them away from their corner.
const float heartIndex = @HEART_INDEX@;
const float heartSize = 48.0;
const float margin = 16.0;
const float spacing = 56.0;

void main() {
    vec2 corner = position.xy * 0.5 + 0.5;
    vec2 pixel = vec2(margin + heartIndex * spacing, HEIGHT - margin - heartSize) + corner * heartSize;
    // The composite below wrote its depth with the depth test on; the hearts lie in front of it.
    gl_Position = vec4(pixel / vec2(WIDTH, HEIGHT) * 2.0 - 1.0, -1.0, 1.0);
    // The image's first row is its top, and the quad's v runs upwards.
    textureCoordinate = vec2(uv.x, 1.0 - uv.y);
}
