#include "math/world_transforms.hpp"

#include <gtest/gtest.h>

namespace Velmora {
namespace {

void expectColumnNear(const glm::mat4& m, int column, const glm::vec4& expected) {
    for (int row = 0; row < 4; ++row) {
        EXPECT_NEAR(m[column][row], expected[row], 1e-6f) << "column " << column << " row " << row;
    }
}

TEST(WorldTransformsTest, RotationIsInDegreesAndScaledByFactor) {
    glm::mat4 quarterTurn(1.0f);
    rotateInWorld(quarterTurn, glm::vec3(0, 1, 0), 90.0f, 1.0);
    expectColumnNear(quarterTurn, 0, glm::vec4(0, 0, -1, 0));
    expectColumnNear(quarterTurn, 2, glm::vec4(1, 0, 0, 0));

    // Half the angle over a factor of two, about an axis that is not unit length.
    glm::mat4 scaled(1.0f);
    rotateInWorld(scaled, glm::vec3(0, 2.2f, 0), 45.0f, 2.0);
    for (int column = 0; column < 4; ++column) {
        expectColumnNear(scaled, column, quarterTurn[column]);
    }
}

TEST(WorldTransformsTest, BothFunctionsActInWorldSpace) {
    glm::mat4 rotated(1.0f);
    rotateInWorld(rotated, glm::vec3(0, 1, 0), 90.0f, 1.0);
    translateInWorld(rotated, glm::vec3(1, 0, 0), 0.5);
    EXPECT_NEAR(glm::distance(translationOf(rotated), glm::vec3(0.5f, 0, 0)), 0.0f, 1e-6f);
    expectColumnNear(rotated, 0, glm::vec4(0, 0, -1, 0));

    // A lifted object swings about the world origin, not about its own centre.
    glm::mat4 lifted(1.0f);
    translateInWorld(lifted, glm::vec3(0, 3, 0), 1.0);
    rotateInWorld(lifted, glm::vec3(1, 0, 0), 90.0f, 1.0);
    EXPECT_NEAR(glm::distance(translationOf(lifted), glm::vec3(0, 0, 3)), 0.0f, 1e-6f);
}

TEST(WorldTransformsTest, ZeroFactorLeavesMatrixUnchanged) {
    glm::mat4 start(1.0f);
    rotateInWorld(start, glm::vec3(1, 1, 0), 33.0f, 1.0);
    translateInWorld(start, glm::vec3(0.2f, -1, 4), 1.0);

    glm::mat4 moved = start;
    translateInWorld(moved, glm::vec3(5, 6, 7), 0.0);
    rotateInWorld(moved, glm::vec3(0, 0, 1), 120.0f, 0.0);
    EXPECT_EQ(moved, start);
}

} // namespace
} // namespace Velmora
