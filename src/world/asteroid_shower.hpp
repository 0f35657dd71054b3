#pragma once

#include "world/asteroid.hpp"

#include <glm/glm.hpp>
#include <memory>
#include <vector>

namespace Velmora {

// The shower's rules without any drawing: how many asteroids fall and when each is released, the fall, the
// planet's surface and the hits on the player. The asteroids are created once and never leave the list.
class AsteroidShower {
public:
    // A million asteroids take about 100 MB and are placed well within a second; beyond that the product of
    // the two settings soon leaves the int range, and a few hundred million would exhaust memory.
    static constexpr int maximumCount = 1000000;
    static constexpr float startRadius = 3.0f;
    static constexpr float surfaceRadius = 1.0f;
    static constexpr double fallSpeed = 0.75;
    static constexpr float hitRadius = 0.15f;

    // Draws every spawn time from rand first, then every placement, in list order.
    AsteroidShower(double spawnRate, double spawnDuration);

    // Rate times duration, truncated and held at maximumCount; none when the product is below 1. The settings
    // reader refuses a larger product with a message naming its file.
    static int asteroidCount(double spawnRate, double spawnDuration);

    // Advances the shower clock, releases the asteroids whose time has passed, stops those already inside the
    // planet and moves the others on.
    void advance(double frameTime);

    // Every asteroid in play within reach of the player leaves play; together they cost at most one life,
    // none while the shield is up. Returns true exactly when the last life has just been lost.
    bool checkHits(const glm::vec3& playerPosition, bool shieldActive, int& lives);

    std::vector<std::unique_ptr<Asteroid>> asteroidList;
    double elapsedTime = 0.0;

private:
    void placeOnStartSphere(Asteroid& asteroid);
};

} // namespace Velmora
