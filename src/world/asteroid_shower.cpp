#include "world/asteroid_shower.hpp"

#include "math/world_transforms.hpp"
#include "platform/sound.hpp"
#include "world/decoration_placement.hpp"

#include <algorithm>
#include <cstdlib>

namespace Velmora {
namespace {

// glibc's rand reaches 2^31 - 1; the game's fractions use its low 15 bits, as rand() / 32767 elsewhere.
double randomFraction() {
    return static_cast<double>(std::rand() % 32768) / 32767.0;
}

} // namespace

AsteroidShower::AsteroidShower(double spawnRate, double spawnDuration) {
    const int count = asteroidCount(spawnRate, spawnDuration);
    asteroidList.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        asteroidList.push_back(std::make_unique<Asteroid>(randomFraction() * spawnDuration));
    }
    for (const auto& asteroid : asteroidList) {
        placeOnStartSphere(*asteroid);
    }
}

int AsteroidShower::asteroidCount(double spawnRate, double spawnDuration) {
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
    for (const auto& asteroid : asteroidList) {
        const glm::vec3 position = translationOf(asteroid->modelMatrix);
        if (!asteroid->released && elapsedTime > asteroid->spawnTime) {
            asteroid->released = true;
        }
        // The surface test sees the position before this frame's move, so an asteroid ends at most one step
        // inside the planet.
        if (asteroid->released && glm::length(position) < surfaceRadius) {
            asteroid->impacted = true;
        }
        if (asteroid->inPlay()) {
            translateInWorld(asteroid->modelMatrix, glm::normalize(-position), frameTime * fallSpeed);
        }
    }
}

bool AsteroidShower::checkHits(const glm::vec3& playerPosition, bool shieldActive, int& lives) {
    bool hit = false;
    for (const auto& asteroid : asteroidList) {
        if (asteroid->inPlay() &&
            glm::length(playerPosition - translationOf(asteroid->modelMatrix)) < hitRadius) {
            asteroid->impacted = true;
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

} // namespace Velmora
