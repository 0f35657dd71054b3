#include "asteroid_field.hpp"

#include <algorithm>
#include <random>

namespace Velmora {
namespace {

// Twice the hit radius: clear of the player however the rock is turned.
constexpr float playerClearance = 2.0f * AsteroidShower::hitRadius;

// An asteroid falls straight towards the centre; it hits the player if its path passes within reach.
bool fallsClearOfPlayer(const glm::vec3& position, const glm::vec3& playerPosition) {
    const float height = glm::length(position);
    const glm::vec3 down = position / height;
    const float along = std::clamp(glm::dot(playerPosition, down), AsteroidShower::surfaceRadius, height);
    return glm::length(playerPosition - along * down) > playerClearance;
}

bool canFallFrom(const glm::vec3& position, const glm::vec3& playerPosition) {
    const float height = glm::length(position);
    return height > AsteroidShower::surfaceRadius + 0.2f && height < AsteroidShower::startRadius &&
           fallsClearOfPlayer(position, playerPosition);
}

// A point on the ray through a random spot of the picture, at a random distance from the eye; no nearer than
// a unit, where one rock would fill the picture.
glm::vec3 randomPointInView(const glm::mat4& clipToWorld, const glm::vec3& eye, std::mt19937& random) {
    std::uniform_real_distribution<float> screen(-0.9f, 0.9f);
    std::uniform_real_distribution<float> distance(1.0f, 5.0f);
    const glm::vec2 spot(screen(random), screen(random));
    const glm::vec4 far = clipToWorld * glm::vec4(spot, 1.0f, 1.0f);
    return eye + distance(random) * glm::normalize(glm::vec3(far) / far.w - eye);
}

} // namespace

void fillShowerInView(AsteroidShower& shower, const Camera& camera, const glm::vec3& playerPosition,
                      int count, unsigned int seed) {
    std::mt19937 random(seed);
    const glm::mat4 clipToWorld = glm::inverse(camera.viewProjection());
    const glm::vec3 eye = camera.position();
    shower.removeAll();
    while (static_cast<int>(shower.asteroidList.size()) < count) {
        const glm::vec3 position = randomPointInView(clipToWorld, eye, random);
        if (!canFallFrom(position, playerPosition)) {
            continue;
        }
        Asteroid asteroid(0.0);
        asteroid.released = true;
        asteroid.modelMatrix[3] = glm::vec4(position, 1.0f);
        shower.addAsteroid(asteroid);
    }
}

} // namespace Velmora
