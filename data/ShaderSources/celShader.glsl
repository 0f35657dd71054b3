
// Planet, player, houses and lanterns are lit by the sun and the lanterns alone.
float ownLight(vec3 normal) {
    return 0.0;
}
