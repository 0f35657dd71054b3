#include "world/decoration_placement.hpp"

#include "math/world_transforms.hpp"

#include <cmath>
#include <cstdlib>
#include <glm/gtc/constants.hpp>

namespace Velmora {
namespace {

bool isNear(const glm::vec3& a, const glm::vec3& b, float distance) {
    return glm::length(a - b) < distance;
}

} // namespace

// The game's fractions are rand() / 32767; glibc's rand reaches 2^31 - 1, so only its low 15 bits are used.
float DecorationPlacement::randomFraction() {
    return static_cast<float>(std::rand() % 32768) / 32767.0f;
}

bool DecorationPlacement::isNearAny(const glm::vec3& position, const std::vector<glm::vec3>& others,
                                    float distance) {
    for (const glm::vec3& other : others) {
        if (isNear(position, other, distance)) {
            return true;
        }
    }
    return false;
}

DecorationPlacement::DecorationPlacement(const glm::vec3& playerPosition) : playerPosition(playerPosition) {}

void DecorationPlacement::turnRandomly(glm::mat4& modelMatrix) {
    const float a = randomFraction();
    const float b = randomFraction();
    // acos of a uniform cosine spreads the directions evenly over the sphere instead of crowding the poles.
    const float polarAngle = std::acos(2.0f * b - 1.0f) * 180.0f / glm::pi<float>();
    rotateInWorld(modelMatrix, glm::vec3(1.0f, 0.0f, 0.0f), polarAngle, 1.0);
    rotateInWorld(modelMatrix, glm::vec3(0.0f, 1.0f, 0.0f), a * 360.0f, 1.0);
}

void DecorationPlacement::placeHouse(glm::mat4& modelMatrix) {
    translateInWorld(modelMatrix, glm::vec3(0.0f, houseHeight, 0.0f), 1.0);
    glm::vec3 position;
    // A rejected turn is not undone: the next try turns on from where the last one left the house.
    do {
        turnRandomly(modelMatrix);
        position = translationOf(modelMatrix);
    } while (isNear(position, playerPosition, playerClearance) ||
             isNearAny(position, housePositions, houseSpacing));
    housePositions.push_back(position);
}

void DecorationPlacement::placeLantern(glm::mat4& modelMatrix, glm::vec3& lightPosition) {
    translateInWorld(modelMatrix, glm::vec3(0.0f, lanternHeight, 0.0f), 1.0);
    glm::vec3 position;
    do {
        turnRandomly(modelMatrix);
        position = translationOf(modelMatrix);
        lightPosition = lightLift * position;
    } while (isNear(position, playerPosition, playerClearance) ||
             isNearAny(position, housePositions, lanternToHouseSpacing) ||
             isNearAny(position, lanternPositions, lanternSpacing));
    lanternPositions.push_back(position);
}

} // namespace Velmora
