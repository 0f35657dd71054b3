#include "world/sun.hpp"

#include <gtest/gtest.h>

namespace Velmora {
namespace {

void expectVecNear(const glm::vec3& actual, const glm::vec3& expected, float tolerance) {
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}

TEST(SunTest, TurnsTenDegreesPerSecondAboutTheAxisInDegrees) {
    glm::vec3 sun(0.0f, 0.0f, 1.0f);
    glm::vec3 light(0.0f);
    for (int step = 0; step < 900; ++step) {
        light = advanceSun(sun, glm::vec3(0.0f, 1.0f, 0.0f), 10.0f, 0.01);
    }
    expectVecNear(sun, glm::vec3(1.0f, 0.0f, 0.0f), 1e-4f);
    // The result is the stored direction, not a separate value.
    EXPECT_EQ(light, sun);

    // A single frame of one second turns by 10 degrees: (sin 10, 0, cos 10).
    glm::vec3 oneFrame(0.0f, 0.0f, 1.0f);
    advanceSun(oneFrame, glm::vec3(0.0f, 1.0f, 0.0f), 10.0f, 1.0);
    expectVecNear(oneFrame, glm::vec3(0.17364818f, 0.0f, 0.98480775f), 1e-6f);
}

TEST(SunTest, ZeroFrameTimeLeavesTheSunWhereItIs) {
    glm::vec3 sun(0.6f, 0.0f, 0.8f);
    const glm::vec3 light = advanceSun(sun, glm::vec3(0.0f, 1.0f, 0.0f), 10.0f, 0.0);
    expectVecNear(sun, glm::vec3(0.6f, 0.0f, 0.8f), 1e-7f);
    EXPECT_EQ(light, sun);
}

TEST(SunTest, FullDayAtSixtyFramesReturnsToStartWithUnitLength) {
    glm::vec3 sun(0.0f, 0.0f, 1.0f);
    // An axis that is not unit length must still give ten degrees per second.
    for (int frame = 0; frame < 36 * 60; ++frame) {
        advanceSun(sun, glm::vec3(0.0f, 2.0f, 0.0f), 10.0f, 1.0 / 60.0);
        ASSERT_NEAR(glm::length(sun), 1.0f, 1e-5f) << "frame " << frame;
        ASSERT_NEAR(sun.y, 0.0f, 1e-6f);
    }
    expectVecNear(sun, glm::vec3(0.0f, 0.0f, 1.0f), 1e-3f);
}

} // namespace
} // namespace Velmora
