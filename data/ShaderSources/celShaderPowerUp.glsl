
// Power-ups shine by themselves: they can be found on the night side, and the bloom makes them glow.
float ownLight(vec3 normal) {
    return 0.4;
}
