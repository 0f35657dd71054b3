#include "world/player_part_transform.hpp"

#include "support/start_placement.hpp"
#include "support/vector_expectations.hpp"

#include <cmath>
#include <glm/gtc/matrix_transform.hpp>
#include <gtest/gtest.h>

namespace Velmora {
namespace {

using TestSupport::expectVecNear;
using TestSupport::partAtStart;

const float startSine = std::sin(glm::radians(PlayerPartTransform::startAngle));
const float startCosine = std::cos(glm::radians(PlayerPartTransform::startAngle));

void expectMatrixNear(const glm::mat4& actual, const glm::mat4& expected, float tolerance = 1e-5f) {
    for (int column = 0; column < 4; ++column) {
        for (int row = 0; row < 4; ++row) {
            EXPECT_NEAR(actual[column][row], expected[column][row], tolerance)
                << "column " << column << " row " << row;
        }
    }
}

TEST(PlayerPartTransformTest, StartPlacementStandsOnThePlanetFacingTowardsPlusY) {
    const PlayerPartTransform part = partAtStart();
    expectVecNear(part.position(), TestSupport::playerStart());
    EXPECT_NEAR(glm::length(part.position()), PlayerPartTransform::startHeight, 1e-6f);
    expectVecNear(part.referencePoint(),
                  glm::vec3(0.0f, startCosine + 0.05f * startSine, 0.05f * startCosine - startSine));

    // Model x flipped, model y up along the position, model z along the surface towards +y.
    expectVecNear(glm::vec3(part.modelMatrix[0]), glm::vec3(-1.0f, 0.0f, 0.0f));
    expectVecNear(glm::vec3(part.modelMatrix[1]), glm::vec3(0.0f, startSine, startCosine));
    expectVecNear(glm::vec3(part.modelMatrix[2]), glm::vec3(0.0f, startCosine, -startSine));
    expectMatrixNear(part.referenceMatrix,
                     part.modelMatrix * glm::translate(glm::mat4(1.0f), glm::vec3(0.0f, -1.0f, 1.0f)));
}

TEST(PlayerPartTransformTest, ModelRotationsTurnInPlaceAndCarryTheReferencePoint) {
    PlayerPartTransform part = partAtStart();
    const glm::vec3 start = part.position();
    // The reference turns about its own point one unit behind it, which lies one unit below the model origin.
    const glm::vec4 pivot = part.referenceMatrix * glm::vec4(0.0f, 0.0f, -1.0f, 1.0f);
    expectVecNear(glm::vec3(pivot), glm::vec3(part.modelMatrix * glm::vec4(0.0f, -1.0f, 0.0f, 1.0f)));
    part.rotateInModel(glm::vec3(0.0f, 1.0f, 0.0f), 37.0f, 1.0);
    part.rotateInModel(glm::vec3(1.0f, 0.0f, 0.0f), 80.0f, 0.5);
    EXPECT_EQ(part.position(), start);
    expectVecNear(glm::vec3(part.referenceMatrix * glm::vec4(0.0f, 0.0f, -1.0f, 1.0f)), glm::vec3(pivot));
    EXPECT_NEAR(glm::distance(part.referencePoint(), glm::vec3(pivot)), 1.0f, 1e-5f);

    // A world rotation about the part's own position vector only turns it, and turns the reference point with
    // it.
    const glm::vec3 reference = part.referencePoint();
    part.rotateInWorld(start, 90.0f, 1.0);
    expectVecNear(part.position(), start);
    EXPECT_NEAR(glm::distance(part.referencePoint(), start), glm::distance(reference, start), 1e-5f);
    EXPECT_GT(glm::distance(part.referencePoint(), reference), 0.5f);

    // A swing turns the model about its origin but leaves the heading alone.
    const glm::vec3 turned = part.position();
    const glm::mat4 referenceBefore = part.referenceMatrix;
    const glm::vec3 upBefore(part.modelMatrix[1]);
    part.swingInModel(glm::vec3(1.0f, 0.0f, 0.0f), 25.0f);
    EXPECT_EQ(part.referenceMatrix, referenceBefore);
    EXPECT_EQ(part.position(), turned);
    EXPECT_NEAR(glm::degrees(std::acos(glm::dot(glm::vec3(part.modelMatrix[1]), upBefore))), 25.0f, 1e-2f);
}

TEST(PlayerPartTransformTest, FactorZeroChangesNothing) {
    const PlayerPartTransform start = partAtStart();
    PlayerPartTransform part = start;
    part.translateInWorld(glm::vec3(3.0f, -2.0f, 1.0f), 0.0);
    part.rotateInWorld(glm::vec3(1.0f, 1.0f, 0.0f), 75.0f, 0.0);
    EXPECT_EQ(part.modelMatrix, start.modelMatrix);
    EXPECT_EQ(part.referenceMatrix, start.referenceMatrix);

    // The reference matrix is shifted to the pivot and back, which may round in the last bit.
    part.rotateInModel(glm::vec3(0.0f, 1.0f, 0.0f), 120.0f, 0.0);
    EXPECT_EQ(part.modelMatrix, start.modelMatrix);
    expectMatrixNear(part.referenceMatrix, start.referenceMatrix, 1e-6f);
}

TEST(PlayerPartTransformTest, OneSecondOfForwardStepsCoversFortyDegreesOfArc) {
    PlayerPartTransform body = partAtStart();
    const glm::vec3 start = body.position();
    const glm::vec3 axis(-1.0f, 0.0f, 0.0f);
    for (int frame = 0; frame < 60; ++frame) {
        body.rotateInWorld(axis, 40.0f, 1.0 / 60.0);
    }
    const glm::vec3 end = body.position();
    const float height = PlayerPartTransform::startHeight;
    EXPECT_NEAR(glm::length(end), height, 1e-5f);
    const float arc = glm::degrees(std::acos(glm::dot(start, end) / (height * height)));
    EXPECT_NEAR(arc, 40.0f, 1e-2f);
    EXPECT_GT(end.y, start.y);
    EXPECT_NEAR(end.x, 0.0f, 1e-6f);
}

} // namespace
} // namespace Velmora
