#version 330 core

layout(location = 0) in vec3 position;
layout(location = 1) in vec3 normal;
layout(location = 2) in vec2 uv;
// One set per rock, from the instance buffer: every rock in sight is drawn in one call.
layout(location = 3) in mat4 MVPMatrix;
layout(location = 7) in mat4 modelMatrix;
layout(location = 11) in mat3 normalMatrix;

// Biased: lands in the texture space of the shadow map.
uniform mat4 lightViewProjection;

out vec3 worldPosition;
out vec3 worldNormal;
out vec2 textureCoordinate;
out vec4 shadowCoordinate;

void main() {
    vec4 objectPosition = vec4(position, 1.0);
    vec4 world = modelMatrix * objectPosition;
    worldPosition = world.xyz;
    worldNormal = normalMatrix * normal;
    textureCoordinate = uv;
    shadowCoordinate = lightViewProjection * world;
    gl_Position = MVPMatrix * objectPosition;
}
