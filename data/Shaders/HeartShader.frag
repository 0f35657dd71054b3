#version 330 core

in vec2 textureCoordinate;

uniform sampler2D heartTexture;

out vec4 fragColor;

// The heart images have no alpha channel: their black background is keyed out here, and the anti-aliased rim
// fades out with it.
void main() {
    vec3 color = texture(heartTexture, textureCoordinate).rgb;
    float alpha = smoothstep(0.02, 0.12, max(color.r, max(color.g, color.b)));
    fragColor = vec4(color, alpha);
}
