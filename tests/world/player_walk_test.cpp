#include "world/player_walk.hpp"

#include "support/start_placement.hpp"
#include "support/vector_expectations.hpp"

#include <cmath>
#include <glm/gtc/matrix_transform.hpp>
#include <gtest/gtest.h>

namespace Velmora {
namespace {

using TestSupport::expectVecNear;
using TestSupport::partAtStart;

const ObstaclePositions noObstacles;
const glm::vec3 startCamera = TestSupport::startCameraPosition();

// A body at the given position whose heading point lies at position + offset.
PlayerPartTransform bodyWithHeading(const glm::vec3& position, const glm::vec3& offset) {
    PlayerPartTransform body;
    body.modelMatrix[3] = glm::vec4(position, 1.0f);
    body.referenceMatrix[3] = glm::vec4(position + offset, 1.0f);
    return body;
}

float headingToTravel(const PlayerPartTransform& body, const glm::vec3& axis) {
    const glm::vec3 travel = glm::normalize(glm::cross(axis, body.position()));
    const glm::vec3 heading = glm::normalize(body.referencePoint() - body.position());
    return glm::degrees(std::acos(glm::dot(travel, heading)));
}

glm::vec3 stepFrom(const glm::vec3& position, const glm::vec3& axis, float signedSpeed) {
    PlayerPartTransform body;
    body.translateInWorld(position, 1.0);
    body.rotateInWorld(axis, signedSpeed, 1.0 / 60.0);
    return body.position();
}

TEST(PlayerWalkTest, AxesFollowTheCamera) {
    const glm::vec3 character(0.0f, 0.0f, 1.0f);
    const glm::vec3 camera(0.0f, -1.0f, 2.0f);
    const glm::vec3 forward = forwardAxis(character, camera, noObstacles, 40.0f);
    const glm::vec3 sideways = sidewaysAxis(character, camera, noObstacles, 40.0f);
    expectVecNear(forward, glm::vec3(-1.0f, 0.0f, 0.0f));
    expectVecNear(sideways, glm::normalize(glm::vec3(0.0f, 2.0f, 1.0f)));
    // Forward leads away from the camera, right to the camera's right; the sign of the speed plays no part
    // here.
    EXPECT_GT(stepFrom(character, forward, 40.0f).y, 0.01f);
    EXPECT_GT(stepFrom(character, sideways, 40.0f).x, 0.01f);
    EXPECT_EQ(forwardAxis(character, camera, noObstacles, -40.0f), forward);

    // From the start placement seen from the start camera, forward runs along the surface towards +y: (0,
    // cos, -sin) of the start angle.
    const PlayerPartTransform body = partAtStart();
    const glm::vec3 startForward = forwardAxis(body.position(), startCamera, noObstacles, 40.0f);
    const float startAngle = glm::radians(PlayerPartTransform::startAngle);
    expectVecNear(glm::normalize(glm::cross(startForward, body.position())),
                  glm::vec3(0.0f, std::cos(startAngle), -std::sin(startAngle)));
}

TEST(PlayerWalkTest, DiagonalsLieHalfwayBetweenForwardAndSideways) {
    const glm::vec3 character = partAtStart().position();
    const glm::vec3 camera(0.3f, -0.4f, 2.2f);
    const glm::vec3 k = forwardAxis(character, camera, noObstacles, 1.0f);
    const glm::vec3 m = sidewaysAxis(character, camera, noObstacles, 1.0f);
    EXPECT_NEAR(glm::dot(k, m), 0.0f, 1e-6f);
    const float half = std::sqrt(0.5f);
    const float signs[4][2] = {{1, -1}, {-1, -1}, {1, 1}, {-1, 1}};
    for (int code = 1; code <= 4; ++code) {
        const glm::vec3 axis = diagonalAxis(character, camera, code, noObstacles, 40.0f);
        EXPECT_NEAR(glm::length(axis), 1.0f, 1e-6f) << "code " << code;
        EXPECT_NEAR(glm::dot(axis, k), signs[code - 1][0] * half, 1e-6f) << "code " << code;
        EXPECT_NEAR(glm::dot(axis, m), signs[code - 1][1] * half, 1e-6f) << "code " << code;
    }
}

TEST(PlayerWalkTest, CameraStraightAboveGivesTheFixedAxes) {
    const glm::vec3 character = partAtStart().position();
    const glm::vec3 above = character * (Camera::startDistance / PlayerPartTransform::startHeight);
    EXPECT_EQ(forwardAxis(character, above, noObstacles, 40.0f), glm::vec3(1.0f, 0.0f, 0.0f));
    EXPECT_EQ(sidewaysAxis(character, above, noObstacles, -40.0f), glm::vec3(0.0f, 1.0f, 0.0f));
    for (int code = 1; code <= 4; ++code) {
        EXPECT_EQ(diagonalAxis(character, above, code, noObstacles, 40.0f), glm::vec3(0.0f, 1.0f, 0.0f));
    }
    // Slightly off the vertical the camera gives a direction again.
    const glm::vec3 nearlyAbove = above + glm::vec3(0.01f, 0.0f, 0.0f);
    EXPECT_NE(forwardAxis(character, nearlyAbove, noObstacles, 40.0f), glm::vec3(1.0f, 0.0f, 0.0f));
}

TEST(PlayerWalkTest, FirstObstacleWithinReachIsFound) {
    const glm::vec3 character = partAtStart().position();
    const glm::vec3 along(1.0f, 0.0f, 0.0f);
    const glm::vec3 farHouse = character + 0.21f * along;
    const glm::vec3 nearHouse = character - 0.05f * along;
    const glm::vec3 outOfReachHouse = character + 0.23f * along;

    ObstaclePositions obstacles;
    obstacles.houses = {outOfReachHouse, farHouse, nearHouse};
    obstacles.lanterns = {character + 0.01f * along};
    EXPECT_EQ(findObstacle(character, obstacles), farHouse);

    obstacles.houses = {outOfReachHouse};
    obstacles.lanterns = {character + 0.13f * along, character - 0.11f * along};
    EXPECT_EQ(findObstacle(character, obstacles), character - 0.11f * along);

    obstacles.lanterns = {character + 0.13f * along};
    EXPECT_EQ(findObstacle(character, obstacles), glm::vec3(0.0f));
    EXPECT_EQ(findObstacle(character, ObstaclePositions{}), glm::vec3(0.0f));
}

TEST(PlayerWalkTest, ObstaclePushesTheCharacterAwayWhateverTheKey) {
    const glm::vec3 character = partAtStart().position();
    ObstaclePositions obstacles;
    // Standing ahead of the character, so an unpushed forward step would walk into it.
    obstacles.houses = {character + glm::vec3(0.0f, 0.15f, -0.05f)};
    const float before = glm::distance(character, obstacles.houses[0]);
    for (float speed : {40.0f, -40.0f}) {
        const glm::vec3 axes[] = {forwardAxis(character, startCamera, obstacles, speed),
                                  sidewaysAxis(character, startCamera, obstacles, speed),
                                  diagonalAxis(character, startCamera, 3, obstacles, speed)};
        for (const glm::vec3& axis : axes) {
            const glm::vec3 moved = stepFrom(character, axis, speed);
            EXPECT_GT(glm::distance(moved, obstacles.houses[0]), before + 0.01f) << "speed " << speed;
            // Straight away: the step lies in the plane of the character, the obstacle and the centre.
            EXPECT_NEAR(glm::dot(axis, obstacles.houses[0] - character), 0.0f, 1e-6f);
        }
    }
    const glm::vec3 unpushed = forwardAxis(character, startCamera, ObstaclePositions{}, 40.0f);
    EXPECT_LT(glm::distance(stepFrom(character, unpushed, 40.0f), obstacles.houses[0]), before);
}

TEST(PlayerWalkTest, TurnRateTurnsTheBodyTowardsItsTravel) {
    const glm::vec3 axis(-1.0f, 0.0f, 0.0f);
    const double frameTime = 1.0 / 60.0;
    for (float side : {90.0f, -90.0f}) {
        PlayerPartTransform body = partAtStart();
        body.rotateInWorld(body.position(), side, 1.0);
        const float rate = turnRate(body, axis, 40.0f, frameTime);
        EXPECT_NEAR(std::fabs(rate), 270.0f, 1e-2f);
        body.rotateInWorld(body.position(), rate, frameTime);
        // The heading leans 45 degrees below the surface, so 4.5 degrees of turn shrink its angle less.
        const float expected = glm::degrees(std::acos(std::cos(glm::radians(85.5f)) * std::sqrt(0.5f)));
        EXPECT_NEAR(headingToTravel(body, axis), expected, 1e-2f);
    }
    // Walking backwards from the start the travel lies behind the body; a long frame stops half a degree
    // short.
    EXPECT_NEAR(std::fabs(turnRate(partAtStart(), axis, -40.0f, frameTime)), 360.0f, 1e-2f);
    EXPECT_NEAR(std::fabs(turnRate(partAtStart(), axis, 40.0f, 0.5)), 89.0f, 1e-2f);
}

TEST(PlayerWalkTest, BodyFacingItsTravelSwaysToOneSideAndBack) {
    const glm::vec3 axis(-1.0f, 0.0f, 0.0f);
    const double frameTime = 1.0 / 60.0;
    PlayerPartTransform body = partAtStart();
    float previous = 0.0f;
    for (int frame = 0; frame < 4; ++frame) {
        body.rotateInWorld(axis, 40.0f, frameTime);
        const float rate = turnRate(body, axis, 40.0f, frameTime);
        EXPECT_NEAR(std::fabs(rate), 180.0f, 0.5f) << "frame " << frame;
        if (frame > 0) {
            EXPECT_LT(rate * previous, 0.0f) << "frame " << frame;
        }
        body.rotateInWorld(body.position(), rate, frameTime);
        previous = rate;
    }
}

TEST(PlayerWalkTest, TurnRateIsZeroOnlyWhenHeadingMeetsTravel) {
    const glm::vec3 axis(-1.0f, 0.0f, 0.0f);
    const glm::vec3 position(0.0f, 0.0f, 1.0f);
    // Travel from here about -x is +y.
    EXPECT_EQ(turnRate(bodyWithHeading(position, glm::vec3(0.009f, 1.0f, 0.0f)), axis, 40.0f, 0.01), 0.0f);
    EXPECT_NE(turnRate(bodyWithHeading(position, glm::vec3(0.02f, 1.0f, 0.0f)), axis, 40.0f, 0.01), 0.0f);
    // Heading straight along the travel but leaning down: no side to turn to.
    EXPECT_EQ(turnRate(bodyWithHeading(position, glm::vec3(0.0f, 1.0f, -1.0f)), axis, 40.0f, 0.01), 0.0f);
    EXPECT_GT(turnRate(bodyWithHeading(position, glm::vec3(0.1f, 1.0f, -1.0f)), axis, 40.0f, 0.01), 0.0f);
    EXPECT_LT(turnRate(bodyWithHeading(position, glm::vec3(-0.1f, 1.0f, -1.0f)), axis, 40.0f, 0.01), 0.0f);
}

TEST(PlayerWalkTest, SwingReversesOnlyPastThirtyDegrees) {
    double angle = 0.0;
    int direction = 1;
    SwingStep step = advanceSwing(angle, direction, 0.05);
    EXPECT_FLOAT_EQ(step.footAngle, 10.0f);
    EXPECT_FLOAT_EQ(step.armAngle, 5.0f);
    EXPECT_NEAR(angle, 10.0, 1e-5);

    angle = 30.0;
    step = advanceSwing(angle, direction, 0.01);
    EXPECT_EQ(direction, 1);
    EXPECT_FLOAT_EQ(step.footAngle, 2.0f);
    step = advanceSwing(angle, direction, 0.01);
    EXPECT_EQ(direction, -1);
    EXPECT_FLOAT_EQ(step.footAngle, -2.0f);
    EXPECT_FLOAT_EQ(step.armAngle, -1.0f);

    angle = -30.0;
    advanceSwing(angle, direction, 0.01);
    EXPECT_EQ(direction, -1);
    step = advanceSwing(angle, direction, 0.01);
    EXPECT_EQ(direction, 1);
    EXPECT_FLOAT_EQ(step.footAngle, 2.0f);

    // A frame without time swings nothing.
    const double held = angle;
    step = advanceSwing(angle, direction, 0.0);
    EXPECT_EQ(step.footAngle, 0.0f);
    EXPECT_EQ(angle, held);
}

} // namespace
} // namespace Velmora
