#include "world/player_pose.hpp"

#include "world/player_walk.hpp"

namespace Velmora {
namespace {

constexpr int armLeftIndex = 4;
constexpr int armRightIndex = 5;
constexpr int footLeftIndex = 6;
constexpr int footRightIndex = 7;

} // namespace

glm::vec3 PlayerPose::moveForward(const glm::vec3& cameraPosition, float signedSpeed, double frameTime,
                                  const ObstaclePositions& obstacles) {
    animateWalk(frameTime);
    const glm::vec3 axis = forwardAxis(position(), cameraPosition, obstacles, signedSpeed);
    stepAndTurn(axis, signedSpeed, frameTime);
    return axis;
}

glm::vec3 PlayerPose::moveSideways(const glm::vec3& cameraPosition, float signedSpeed, double frameTime,
                                   const ObstaclePositions& obstacles) {
    animateWalk(frameTime);
    const glm::vec3 axis = sidewaysAxis(position(), cameraPosition, obstacles, signedSpeed);
    stepAndTurn(axis, signedSpeed, frameTime);
    return axis;
}

glm::vec3 PlayerPose::moveDiagonally(const glm::vec3& cameraPosition, int directionCode, float speed,
                                     double frameTime, const ObstaclePositions& obstacles) {
    animateWalk(frameTime);
    const glm::vec3 axis = diagonalAxis(position(), cameraPosition, directionCode, obstacles, speed);
    stepAndTurn(axis, speed, frameTime);
    return axis;
}

glm::vec3 PlayerPose::position() const {
    return parts[bodyIndex].position();
}

void PlayerPose::animateWalk(double frameTime) {
    const SwingStep swing = advanceSwing(swingAngle, swingDirection, frameTime);
    parts[footLeftIndex].swingInModel(glm::vec3(1.0f, 0.0f, 0.0f), swing.footAngle);
    parts[footRightIndex].swingInModel(glm::vec3(1.0f, 0.0f, 0.0f), -swing.footAngle);
    parts[armLeftIndex].swingInModel(glm::vec3(0.0f, 0.0f, 1.0f), swing.armAngle);
    parts[armRightIndex].swingInModel(glm::vec3(0.0f, 0.0f, 1.0f), -swing.armAngle);
}

// All parts share one position, so turning each about its own position vector turns the character on the
// spot.
void PlayerPose::stepAndTurn(const glm::vec3& axis, float signedSpeed, double frameTime) {
    for (PlayerPartTransform& part : parts) {
        part.rotateInWorld(axis, signedSpeed, frameTime);
    }
    const float rate = turnRate(parts[bodyIndex], axis, signedSpeed, frameTime);
    for (PlayerPartTransform& part : parts) {
        part.rotateInWorld(part.position(), rate, frameTime);
    }
}

} // namespace Velmora
