#pragma once

#include "world/obstacle_positions.hpp"

#include <glm/glm.hpp>

namespace Velmora {

// The power-ups' rules, free of GL: when an absent item appears, where it may lie, when the player has
// reached it and how it bobs. Lengths in world units, times in seconds.
struct PowerUpRules {
    static constexpr float itemHeight = 1.1f;
    static constexpr float clearance = 0.5f;
    static constexpr float reach = 0.15f;
    static constexpr double bobSpeed = 0.05;
    static constexpr double bobTurn = 0.025;

    // Draws one random fraction: the frame's share of the per-second chance decides against it.
    static bool spawnRollSucceeds(double frameTime, float spawnRate);
    // Resets the matrix and turns it at the item height until the item keeps clear of the player, every house
    // and every lantern. Never gives up: at least a third of the item sphere always lies clear of them all.
    static void placeAtFreeSpot(glm::mat4& modelMatrix, const glm::vec3& playerPosition,
                                const ObstaclePositions& obstacles);
    static bool isWithinReach(const glm::vec3& itemPosition, const glm::vec3& playerPosition);
    // One frame of the slow move in and out along the item's own radius.
    static void bob(glm::mat4& modelMatrix, double& bobOffset, int& bobDirection, double frameTime);
};

} // namespace Velmora
