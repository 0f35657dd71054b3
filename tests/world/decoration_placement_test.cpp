#include "math/world_transforms.hpp"
#include "support/start_placement.hpp"
#include "world/decoration_placement.hpp"
#include "world/point_light.hpp"

#include <array>
#include <cstdlib>
#include <gtest/gtest.h>

namespace Velmora {
namespace {

// Where the player stands right after it is built.
const glm::vec3 playerStart = TestSupport::playerStart();

struct Placed {
    std::array<glm::mat4, 8> houses;
    std::array<glm::mat4, 4> lanterns;
    std::array<PointLight, 4> lights;
};

Placed placeAll(unsigned int seed) {
    std::srand(seed);
    Placed placed;
    placed.houses.fill(glm::mat4(1.0f));
    placed.lanterns.fill(glm::mat4(1.0f));
    DecorationPlacement placement(playerStart);
    for (glm::mat4& house : placed.houses) {
        placement.placeHouse(house);
    }
    for (size_t i = 0; i < placed.lanterns.size(); ++i) {
        placement.placeLantern(placed.lanterns[i], placed.lights[i].position);
    }
    return placed;
}

float distance(const glm::mat4& a, const glm::mat4& b) {
    return glm::length(translationOf(a) - translationOf(b));
}

TEST(DecorationPlacementTest, ItemsKeepTheirSpacingForManySeeds) {
    for (unsigned int seed = 1; seed <= 300; ++seed) {
        const Placed placed = placeAll(seed);
        for (size_t i = 0; i < placed.houses.size(); ++i) {
            EXPECT_GE(glm::length(translationOf(placed.houses[i]) - playerStart), 0.5f) << "seed " << seed;
            for (size_t j = 0; j < i; ++j) {
                EXPECT_GE(distance(placed.houses[i], placed.houses[j]), 0.8f) << "seed " << seed;
            }
        }
        for (size_t i = 0; i < placed.lanterns.size(); ++i) {
            EXPECT_GE(glm::length(translationOf(placed.lanterns[i]) - playerStart), 0.5f) << "seed " << seed;
            for (const glm::mat4& house : placed.houses) {
                EXPECT_GE(distance(placed.lanterns[i], house), 0.6f) << "seed " << seed;
            }
            for (size_t j = 0; j < i; ++j) {
                EXPECT_GE(distance(placed.lanterns[i], placed.lanterns[j]), 0.5f) << "seed " << seed;
            }
        }
    }
}

TEST(DecorationPlacementTest, ItemsStandOnTheirRadiiWithLightsAboveTheirLanterns) {
    for (unsigned int seed = 1; seed <= 50; ++seed) {
        const Placed placed = placeAll(seed);
        for (const glm::mat4& house : placed.houses) {
            EXPECT_NEAR(glm::length(translationOf(house)), DecorationPlacement::houseHeight, 1e-5f)
                << "seed " << seed;
        }
        for (size_t i = 0; i < placed.lanterns.size(); ++i) {
            const glm::vec3 lantern = translationOf(placed.lanterns[i]);
            const glm::vec3 light = placed.lights[i].position;
            EXPECT_NEAR(glm::length(lantern), 1.0f, 1e-5f) << "seed " << seed;
            EXPECT_NEAR(glm::length(light), 1.25f, 1e-5f) << "seed " << seed;
            // The light is set on every try, so it must match the lantern's final spot, not an earlier one.
            EXPECT_LT(glm::length(light - 1.25f * lantern), 1e-5f) << "seed " << seed;
        }
    }
}

TEST(DecorationPlacementTest, RandomTurnsCoverTheWholeSphereAndKeepTheRadius) {
    std::srand(7);
    int below = 0;
    int above = 0;
    for (int i = 0; i < 2000; ++i) {
        glm::mat4 item(1.0f);
        translateInWorld(item, glm::vec3(0.0f, 1.0f, 0.0f), 1.0);
        DecorationPlacement::turnRandomly(item);
        const glm::vec3 position = translationOf(item);
        ASSERT_TRUE(std::isfinite(position.x) && std::isfinite(position.y) && std::isfinite(position.z));
        ASSERT_NEAR(glm::length(position), 1.0f, 1e-5f);
        (position.y < 0.0f ? below : above) += 1;
    }
    // Uniform over the sphere: each hemisphere gets about half of the turns.
    EXPECT_GT(below, 850);
    EXPECT_GT(above, 850);
}

TEST(DecorationPlacementTest, LightsFillTheFourArraysLanternAfterLantern) {
    const Placed placed = placeAll(42);
    std::vector<float> positions, colors, intensities, ranges;
    for (const PointLight& light : placed.lights) {
        light.appendTo(positions, colors, intensities, ranges);
    }
    ASSERT_EQ(positions.size(), 12u);
    ASSERT_EQ(colors.size(), 12u);
    ASSERT_EQ(intensities.size(), 4u);
    ASSERT_EQ(ranges.size(), 4u);
    for (size_t k = 0; k < 4; ++k) {
        EXPECT_EQ(glm::vec3(positions[3 * k], positions[3 * k + 1], positions[3 * k + 2]),
                  placed.lights[k].position);
        EXPECT_EQ(glm::vec3(colors[3 * k], colors[3 * k + 1], colors[3 * k + 2]),
                  glm::vec3(1.0f, 1.0f, 0.0f));
        EXPECT_FLOAT_EQ(intensities[k], 1.8f);
        EXPECT_FLOAT_EQ(ranges[k], 1.0f);
    }
}

} // namespace
} // namespace Velmora
