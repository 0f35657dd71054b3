#include "world/asteroid_shower.hpp"

#include "math/world_transforms.hpp"
#include "platform/sound.hpp"
#include "world/decoration_placement.hpp"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace Velmora {
namespace {

// glibc's rand reaches 2^31 - 1; the game's fractions use its low 15 bits, as rand() / 32767 elsewhere.
double randomFraction() {
    return static_cast<double>(std::rand() % 32768) / 32767.0;
}

} // namespace

AsteroidShower::AsteroidShower(double spawnRate, double spawnDuration) {
    std::vector<std::pair<double, std::size_t>> spawnOrder(
        static_cast<std::size_t>(asteroidCount(spawnRate, spawnDuration)));
    for (std::size_t creation = 0; creation < spawnOrder.size(); ++creation) {
        spawnOrder[creation] = {randomFraction() * spawnDuration, creation};
    }
    createInSpawnOrder(spawnOrder);
}

void AsteroidShower::createInSpawnOrder(std::vector<std::pair<double, std::size_t>>& spawnOrder) {
    // By time, and by order of creation among equal times.
    std::sort(spawnOrder.begin(), spawnOrder.end());
    asteroidList.reserve(spawnOrder.size());
    std::vector<std::size_t> placeInList(spawnOrder.size());
    for (const auto& [spawnTime, creation] : spawnOrder) {
        placeInList[creation] = asteroidList.size();
        asteroidList.emplace_back(spawnTime);
    }
    // The placements keep drawing from rand in order of creation, whatever the list order.
    for (const std::size_t place : placeInList) {
        placeOnStartSphere(asteroidList[place]);
    }
}

int AsteroidShower::asteroidCount(double spawnRate, double spawnDuration) {
    // Two negative values would multiply to a positive count.
    if (spawnRate < 0.0 || spawnDuration < 0.0) {
        return 0;
    }
    // Held before the conversion: a product beyond the int range has no defined truncation.
    const double product = std::min(spawnRate * spawnDuration, static_cast<double>(maximumCount));
    return product < 1.0 ? 0 : static_cast<int>(product);
}

void AsteroidShower::placeOnStartSphere(Asteroid& asteroid) {
    translateInWorld(asteroid.modelMatrix, glm::vec3(0.0f, startRadius, 0.0f), 1.0);
    DecorationPlacement::turnRandomly(asteroid.modelMatrix);
}

void AsteroidShower::advance(double frameTime) {
    elapsedTime += frameTime;
    while (playEnd < asteroidList.size() && elapsedTime > asteroidList[playEnd].spawnTime) {
        ++playEnd;
    }
    for (std::size_t i = playBegin; i < playEnd; ++i) {
        step(asteroidList[i], frameTime);
    }
    while (playBegin < playEnd && asteroidList[playBegin].impacted) {
        ++playBegin;
    }
}

void AsteroidShower::step(Asteroid& asteroid, double frameTime) const {
    const glm::vec3 position = translationOf(asteroid.modelMatrix);
    if (!asteroid.released && elapsedTime > asteroid.spawnTime) {
        asteroid.released = true;
    }
    // The surface test sees the position before this frame's move, so an asteroid ends at most one step
    // inside the planet.
    if (asteroid.released && glm::length(position) < surfaceRadius) {
        asteroid.impacted = true;
    }
    if (asteroid.inPlay()) {
        translateInWorld(asteroid.modelMatrix, glm::normalize(-position), frameTime * fallSpeed);
    }
}

bool AsteroidShower::checkHits(const glm::vec3& playerPosition, bool shieldActive, int& lives) {
    bool hit = false;
    for (std::size_t i = playBegin; i < playEnd; ++i) {
        Asteroid& asteroid = asteroidList[i];
        if (asteroid.inPlay() &&
            glm::length(playerPosition - translationOf(asteroid.modelMatrix)) < hitRadius) {
            asteroid.impacted = true;
            hit = true;
        }
    }
    if (!hit) {
        return false;
    }
    if (shieldActive) {
        playSound("Sounds/Metal.wav");
        return false;
    }
    playSound("Sounds/Crash.wav");
    --lives;
    return lives == 0;
}

Asteroid& AsteroidShower::addAsteroid(const Asteroid& asteroid) {
    const auto place =
        std::upper_bound(asteroidList.begin(), asteroidList.end(), asteroid.spawnTime,
                         [](double spawnTime, const Asteroid& other) { return spawnTime < other.spawnTime; });
    const auto index = static_cast<std::size_t>(place - asteroidList.begin());
    asteroidList.insert(place, asteroid);
    if (index < playEnd) {
        ++playEnd;
    }
    // A newcomer may already be in play, so the stretch that is walked takes it in.
    playBegin = std::min(playBegin, index);
    playEnd = std::max(playEnd, index + 1);
    return asteroidList[index];
}

void AsteroidShower::restart() {
    elapsedTime = 0.0;
    playBegin = 0;
    playEnd = 0;
    for (Asteroid& asteroid : asteroidList) {
        asteroid = Asteroid(asteroid.spawnTime);
        placeOnStartSphere(asteroid);
    }
}

void AsteroidShower::removeAll() {
    asteroidList.clear();
    playBegin = 0;
    playEnd = 0;
}

} // namespace Velmora
