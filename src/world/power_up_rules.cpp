#include "world/power_up_rules.hpp"

#include "math/world_transforms.hpp"
#include "world/decoration_placement.hpp"

namespace Velmora {
namespace {

bool isTaken(const glm::vec3& spot, const glm::vec3& playerPosition, const ObstaclePositions& obstacles) {
    return glm::length(spot - playerPosition) < PowerUpRules::clearance ||
           DecorationPlacement::isNearAny(spot, obstacles.houses, PowerUpRules::clearance) ||
           DecorationPlacement::isNearAny(spot, obstacles.lanterns, PowerUpRules::clearance);
}

} // namespace

bool PowerUpRules::spawnRollSucceeds(double frameTime, float spawnRate) {
    const float roll = DecorationPlacement::randomFraction();
    return static_cast<float>(frameTime) * spawnRate > roll;
}

void PowerUpRules::placeAtFreeSpot(glm::mat4& modelMatrix, const glm::vec3& playerPosition,
                                   const ObstaclePositions& obstacles) {
    modelMatrix = glm::mat4(1.0f);
    translateInWorld(modelMatrix, glm::vec3(0.0f, itemHeight, 0.0f), 1.0);
    // A rejected turn is not undone: the next try turns on from where the last one left the item.
    do {
        DecorationPlacement::turnRandomly(modelMatrix);
    } while (isTaken(translationOf(modelMatrix), playerPosition, obstacles));
}

bool PowerUpRules::isWithinReach(const glm::vec3& itemPosition, const glm::vec3& playerPosition) {
    return glm::length(itemPosition - playerPosition) < reach;
}

void PowerUpRules::bob(glm::mat4& modelMatrix, double& bobOffset, int& bobDirection, double frameTime) {
    if (bobOffset > bobTurn) {
        bobDirection = -1;
    }
    if (bobOffset < -bobTurn) {
        bobDirection = 1;
    }
    const glm::vec3 outwards = glm::normalize(translationOf(modelMatrix));
    translateInWorld(modelMatrix, outwards * static_cast<float>(bobSpeed) * static_cast<float>(bobDirection),
                     frameTime);
    bobOffset += frameTime * bobSpeed * bobDirection;
}

} // namespace Velmora
