#version 330 core

layout(location = 0) in vec3 position;
layout(location = 1) in vec3 normal;
layout(location = 2) in vec2 uv;

uniform mat4 MVPMatrix;
uniform mat4 modelMatrix;
uniform mat4 normalMatrix;
// Biased: lands in the texture space of the shadow map.
uniform mat4 lightMVPMatrix;

out vec3 worldPosition;
out vec3 worldNormal;
out vec2 textureCoordinate;
out vec4 shadowCoordinate;

void main() {
    vec4 objectPosition = vec4(position, 1.0);
    worldPosition = (modelMatrix * objectPosition).xyz;
    worldNormal = (normalMatrix * vec4(normal, 0.0)).xyz;
    textureCoordinate = uv;
    shadowCoordinate = lightMVPMatrix * objectPosition;
    gl_Position = MVPMatrix * objectPosition;
}
