#version 330 core

// The shadow map has no colour attachment; only the depth written by the rasteriser is kept.
out vec4 fragColor;

void main() {
    fragColor = vec4(vec3(gl_FragCoord.z), 1.0);
}
