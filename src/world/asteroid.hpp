#pragma once

#include <glm/glm.hpp>

namespace Velmora {

// One rock of the shower. It waits on the sphere of radius 3 until the shower clock passes its spawn time,
// then falls straight towards the planet's centre; once impacted it is out of play for good.
class Asteroid {
public:
    explicit Asteroid(double spawnTime) : spawnTime(spawnTime) {}

    // Only asteroids in play move, are drawn and can hit the player.
    bool inPlay() const { return released && !impacted; }

    glm::mat4 modelMatrix{1.0f};
    double spawnTime = 0.0;
    bool released = false;
    bool impacted = false;
};

} // namespace Velmora
