#pragma once

#include "math/camera.hpp"
#include "world/asteroid_shower.hpp"

#include <glm/glm.hpp>

namespace Velmora {

// Replaces the shower with a given number of asteroids in play, scattered through the camera's view between
// the planet's surface and the start sphere, none of them on a path through the player, so that a benchmark
// sees them drawn and no hit ends its game. The same seed gives the same field.
void fillShowerInView(AsteroidShower& shower, const Camera& camera, const glm::vec3& playerPosition,
                      int count, unsigned int seed);

} // namespace Velmora
