
// Falling rocks catch a hard rim of light on their outline, so they stay visible against the night sky.
float ownLight(vec3 normal) {
    vec3 toCamera = normalize(cameraPosition.xyz - worldPosition);
    return 0.3 * step(0.65, 1.0 - max(dot(normal, toCamera), 0.0));
}
