#pragma once

#include "world/obstacle_positions.hpp"
#include "world/player_part_transform.hpp"

#include <array>
#include <glm/glm.hpp>

namespace Velmora {

// Where the character's eight parts stand and how far its limbs have swung, free of GL: one walking step
// turns every part about an axis through the planet's centre, then about the character's own position
// towards its direction of travel. Each step returns the axis it turned about, so the camera can follow.
class PlayerPose {
public:
    glm::vec3 moveForward(const glm::vec3& cameraPosition, float signedSpeed, double frameTime,
                          const ObstaclePositions& obstacles);
    glm::vec3 moveSideways(const glm::vec3& cameraPosition, float signedSpeed, double frameTime,
                           const ObstaclePositions& obstacles);
    glm::vec3 moveDiagonally(const glm::vec3& cameraPosition, int directionCode, float speed,
                             double frameTime, const ObstaclePositions& obstacles);

    glm::vec3 position() const;

    // Body-part order: head, eye, eye ball, body, left arm, right arm, left foot, right foot.
    static constexpr int bodyIndex = 3;
    static constexpr int armLeftIndex = 4;
    static constexpr int armRightIndex = 5;
    static constexpr int footLeftIndex = 6;
    static constexpr int footRightIndex = 7;
    std::array<PlayerPartTransform, 8> parts;
    double swingAngle = 0.0;
    int swingDirection = 1;

private:
    glm::vec3 walkAbout(const glm::vec3& axis, float signedSpeed, double frameTime);
    void animateWalk(double frameTime);
    void stepAndTurn(const glm::vec3& axis, float signedSpeed, double frameTime);
};

} // namespace Velmora
