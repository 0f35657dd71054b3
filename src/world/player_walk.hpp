#pragma once

#include "world/obstacle_positions.hpp"
#include "world/player_part_transform.hpp"

#include <glm/glm.hpp>

namespace Velmora {

// The walking rules of the character on the planet, free of GL: which axis through the planet's centre a step
// turns about, how the body turns towards its direction of travel and how the limbs swing. Angles in degrees.

// One frame's limb swing: feet about their model x axis, arms about their model z axis, left positive.
struct SwingStep {
    float footAngle = 0.0f;
    float armAngle = 0.0f;
};

// A positive rotation about the forward axis carries the character away from the camera along the surface.
glm::vec3 forwardAxis(const glm::vec3& position, const glm::vec3& cameraPosition,
                      const ObstaclePositions& obstacles, float signedSpeed);
// A positive rotation about the sideways axis carries the character to the right as the camera sees it.
glm::vec3 sidewaysAxis(const glm::vec3& position, const glm::vec3& cameraPosition,
                       const ObstaclePositions& obstacles, float signedSpeed);
// Codes 1 to 4: forward-left, backward-left, forward-right, backward-right.
glm::vec3 diagonalAxis(const glm::vec3& position, const glm::vec3& cameraPosition, int directionCode,
                       const ObstaclePositions& obstacles, float speed);
// The first house, then the first lantern, within reach; (0, 0, 0) when none is.
glm::vec3 findObstacle(const glm::vec3& position, const ObstaclePositions& obstacles);
// Degrees per second to turn the body about its own position vector towards its direction of travel.
float turnRate(const PlayerPartTransform& body, glm::vec3 axis, float signedSpeed, double frameTime);
// Advances the swing state by one walking frame and returns the limb angles of that frame.
SwingStep advanceSwing(double& swingAngle, int& swingDirection, double frameTime);

} // namespace Velmora
