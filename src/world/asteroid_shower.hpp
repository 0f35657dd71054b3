#pragma once

#include "world/asteroid.hpp"

#include <cstddef>
#include <glm/glm.hpp>
#include <utility>
#include <vector>

namespace Velmora {

// The shower's rules without any drawing: how many asteroids fall and when each is released, the fall, the
// planet's surface and the hits on the player. The asteroids are created once and never leave the list.
class AsteroidShower {
public:
    // A million asteroids take 80 MB in one block and are placed well within a second; beyond that the
    // product of the two settings soon leaves the int range, and a few hundred million would exhaust memory.
    static constexpr int maximumCount = 1000000;
    static constexpr float startRadius = 3.0f;
    static constexpr float surfaceRadius = 1.0f;
    static constexpr double fallSpeed = 0.75;
    static constexpr float hitRadius = 0.15f;

    // Draws every spawn time from rand first, then every placement, both in order of creation.
    AsteroidShower(double spawnRate, double spawnDuration);

    // Rate times duration, truncated and held at maximumCount; none when the product is below 1 or either
    // value is negative. The settings reader refuses a larger product with a message naming its file.
    static int asteroidCount(double spawnRate, double spawnDuration);

    // Advances the shower clock, releases the asteroids whose time has passed, stops those already inside the
    // planet and moves the others on.
    void advance(double frameTime);

    // Every asteroid in play within reach of the player leaves play; together they cost at most one life,
    // none while the shield is up. Returns true exactly when the last life has just been lost.
    bool checkHits(const glm::vec3& playerPosition, bool shieldActive, int& lives);

    // Puts one more asteroid in its place by spawn time, after those with the same time; it may come already
    // released. The returned asteroid stays where it is until the next asteroid is added.
    Asteroid& addAsteroid(const Asteroid& asteroid);
    // The shower from its beginning: the clock at 0 and every asteroid waiting at a new place on the start
    // sphere, its spawn time kept.
    void restart();
    void removeAll();
    // Every asteroid has fallen and left play; a shower without asteroids never ends.
    bool over() const { return !asteroidList.empty() && playBegin == asteroidList.size(); }

    // Visits the asteroids in play in list order, touching none of those still waiting or out of play.
    template <typename Visit> void forEachInPlay(Visit visit) const {
        for (std::size_t i = playBegin; i < playEnd; ++i) {
            if (asteroidList[i].inPlay()) {
                visit(asteroidList[i]);
            }
        }
    }

    // In spawn-time order, so that the asteroids in play always lie between playBegin and playEnd.
    std::vector<Asteroid> asteroidList;
    double elapsedTime = 0.0;

private:
    void createInSpawnOrder(std::vector<std::pair<double, std::size_t>>& spawnOrder);
    void placeOnStartSphere(Asteroid& asteroid);
    void step(Asteroid& asteroid, double frameTime) const;

    // Before playBegin every asteroid is out of play; from playEnd on every one waits for a spawn time the
    // clock has not yet passed. Asteroids in play leave in about the order they came, so the stretch between
    // stays as short as the fall.
    std::size_t playBegin = 0;
    std::size_t playEnd = 0;
};

} // namespace Velmora
