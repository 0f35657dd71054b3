#include "world/player_pose.hpp"

#include "world/player_walk.hpp"

namespace Velmora {
glm::vec3 PlayerPose::moveForward(const glm::vec3& cameraPosition, float signedSpeed, double frameTime,
                                  const ObstaclePositions& obstacles) {
    return walkAbout(forwardAxis(position(), cameraPosition, obstacles, signedSpeed), signedSpeed, frameTime);
}

glm::vec3 PlayerPose::moveSideways(const glm::vec3& cameraPosition, float signedSpeed, double frameTime,
                                   const ObstaclePositions& obstacles) {
    return walkAbout(sidewaysAxis(position(), cameraPosition, obstacles, signedSpeed), signedSpeed,
                     frameTime);
}

glm::vec3 PlayerPose::moveDiagonally(const glm::vec3& cameraPosition, int directionCode, float speed,
                                     double frameTime, const ObstaclePositions& obstacles) {
    return walkAbout(diagonalAxis(position(), cameraPosition, directionCode, obstacles, speed), speed,
                     frameTime);
}

// The limbs' swing moves no body, so the axis read before it is the axis the step would read after it.
glm::vec3 PlayerPose::walkAbout(const glm::vec3& axis, float signedSpeed, double frameTime) {
    animateWalk(frameTime);
    stepAndTurn(axis, signedSpeed, frameTime);
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
