#include "world/player_walk.hpp"

#include <cmath>
#include <glm/gtc/constants.hpp>

namespace Velmora {
namespace {

constexpr float houseReach = 0.22f;
constexpr float lanternReach = 0.12f;

// Walking lengths sum the squares in float but take the root in double, then round back to float.
float walkLength(const glm::vec3& v) {
    return static_cast<float>(std::sqrt(static_cast<double>(v.x * v.x + v.y * v.y + v.z * v.z)));
}

glm::vec3 walkNormalize(const glm::vec3& v) {
    return v * (1.0f / walkLength(v));
}

bool isZero(const glm::vec3& v) {
    return v.x == 0.0f && v.y == 0.0f && v.z == 0.0f;
}

// Compares the sizes of the components only, so mirrored directions also count as parallel.
bool isParallel(const glm::vec3& d, const glm::vec3& n) {
    for (int i = 0; i < 3; ++i) {
        if (!(static_cast<double>(std::fabs(d[i])) - static_cast<double>(std::fabs(n[i])) < 1e-7)) {
            return false;
        }
    }
    return true;
}

// The forward axis k and the sideways axis m seen from the camera; none when it stands straight above.
struct CameraAxes {
    bool parallel = false;
    glm::vec3 forward{0.0f};
    glm::vec3 sideways{0.0f};
};

CameraAxes cameraAxes(const glm::vec3& position, const glm::vec3& cameraPosition) {
    const glm::vec3 towardsCamera = walkNormalize(cameraPosition - position);
    const glm::vec3 cameraUp = walkNormalize(cameraPosition);
    CameraAxes axes;
    axes.parallel = isParallel(towardsCamera, cameraUp);
    if (!axes.parallel) {
        axes.forward = walkNormalize(glm::cross(towardsCamera, cameraUp));
        axes.sideways = walkNormalize(glm::cross(axes.forward, cameraUp));
    }
    return axes;
}

// Near an obstacle every step pushes straight away from it, whichever key is held.
glm::vec3 applyObstacleRule(const glm::vec3& axis, const glm::vec3& position,
                            const ObstaclePositions& obstacles, float signedSpeed) {
    const glm::vec3 obstacle = findObstacle(position, obstacles);
    if (isZero(obstacle)) {
        return axis;
    }
    const glm::vec3 towardsObstacle = walkNormalize(obstacle - position);
    const glm::vec3 away = walkNormalize(glm::cross(towardsObstacle, position));
    return signedSpeed >= 0.0f ? away : -away;
}

glm::vec3 combineDiagonal(const CameraAxes& axes, int directionCode) {
    const glm::vec3& k = axes.forward;
    const glm::vec3& m = axes.sideways;
    switch (directionCode) {
    case 1:
        return walkNormalize(k - m);
    case 2:
        return walkNormalize(-k - m);
    case 3:
        return walkNormalize(k + m);
    default:
        return walkNormalize(m - k);
    }
}

} // namespace

glm::vec3 forwardAxis(const glm::vec3& position, const glm::vec3& cameraPosition,
                      const ObstaclePositions& obstacles, float signedSpeed) {
    const CameraAxes axes = cameraAxes(position, cameraPosition);
    const glm::vec3 axis = axes.parallel ? glm::vec3(1.0f, 0.0f, 0.0f) : axes.forward;
    return applyObstacleRule(axis, position, obstacles, signedSpeed);
}

glm::vec3 sidewaysAxis(const glm::vec3& position, const glm::vec3& cameraPosition,
                       const ObstaclePositions& obstacles, float signedSpeed) {
    const CameraAxes axes = cameraAxes(position, cameraPosition);
    const glm::vec3 axis = axes.parallel ? glm::vec3(0.0f, 1.0f, 0.0f) : axes.sideways;
    return applyObstacleRule(axis, position, obstacles, signedSpeed);
}

glm::vec3 diagonalAxis(const glm::vec3& position, const glm::vec3& cameraPosition, int directionCode,
                       const ObstaclePositions& obstacles, float speed) {
    const CameraAxes axes = cameraAxes(position, cameraPosition);
    const glm::vec3 axis = axes.parallel ? glm::vec3(0.0f, 1.0f, 0.0f) : combineDiagonal(axes, directionCode);
    return applyObstacleRule(axis, position, obstacles, speed);
}

glm::vec3 findObstacle(const glm::vec3& position, const ObstaclePositions& obstacles) {
    for (const glm::vec3& house : obstacles.houses) {
        if (walkLength(house - position) < houseReach) {
            return house;
        }
    }
    for (const glm::vec3& lantern : obstacles.lanterns) {
        if (walkLength(lantern - position) < lanternReach) {
            return lantern;
        }
    }
    return glm::vec3(0.0f);
}

float turnRate(const PlayerPartTransform& body, glm::vec3 axis, float signedSpeed, double frameTime) {
    const glm::vec3 position = body.position();
    // Walking backwards turns the character round to face where it goes.
    if (signedSpeed < 0.0f) {
        axis = -axis;
    }
    glm::vec3 travel = walkNormalize(glm::cross(axis, position));
    glm::vec3 heading = walkNormalize(body.referencePoint() - position);
    if (std::fabs(travel.x - heading.x) < 0.01 && std::fabs(travel.y - heading.y) < 0.01 &&
        std::fabs(travel.z - heading.z) < 0.01) {
        return 0.0f;
    }
    const float arc = static_cast<float>(std::acos(static_cast<double>(glm::dot(heading, travel))));
    const float angle = static_cast<float>(static_cast<double>(arc * 180.0f) / glm::pi<double>());
    float rate = 2.0f * angle + 90.0f;
    // A long frame must not turn the body past its direction of travel.
    if (frameTime * 180.0 > static_cast<double>(angle) - 0.5) {
        rate = (angle - 0.5f) / static_cast<float>(frameTime);
    }
    travel = walkNormalize(travel);
    heading = walkNormalize(heading);
    const float side = glm::dot(position, glm::cross(travel, heading));
    if (side > 0.0f) {
        return -rate;
    }
    if (side < 0.0f) {
        return rate;
    }
    return 0.0f;
}

SwingStep advanceSwing(double& swingAngle, int& swingDirection, double frameTime) {
    if (swingAngle > 30.0) {
        swingDirection = -1;
    }
    if (swingAngle < -30.0) {
        swingDirection = 1;
    }
    SwingStep step;
    step.footAngle = static_cast<float>(swingDirection) * 200.0f * static_cast<float>(frameTime);
    step.armAngle = static_cast<float>(swingDirection) * 100.0f * static_cast<float>(frameTime);
    swingAngle += static_cast<double>(step.footAngle);
    return step;
}

} // namespace Velmora
