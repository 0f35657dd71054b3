#include "math/world_transforms.hpp"
#include "world/decoration_placement.hpp"
#include "world/power_up_rules.hpp"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>

namespace Velmora {
namespace {

const glm::vec3 playerStart(0.0f, 1.05f * std::sin(glm::radians(20.0f)),
                            1.05f * std::cos(glm::radians(20.0f)));

// The houses and lanterns as the game places them for a seed.
ObstaclePositions decorationsFor(unsigned int seed) {
    std::srand(seed);
    DecorationPlacement placement(playerStart);
    ObstaclePositions obstacles;
    for (int i = 0; i < 8; ++i) {
        glm::mat4 house(1.0f);
        placement.placeHouse(house);
        obstacles.houses.push_back(translationOf(house));
    }
    for (int i = 0; i < 4; ++i) {
        glm::mat4 lantern(1.0f);
        glm::vec3 light;
        placement.placeLantern(lantern, light);
        obstacles.lanterns.push_back(translationOf(lantern));
    }
    return obstacles;
}

// How many values of rand the action drew, found by replaying the generator from the same seed.
int drawsTakenBy(unsigned int seed, const std::function<void()>& action) {
    std::srand(seed);
    action();
    const int next = std::rand();
    std::srand(seed);
    int draws = 0;
    while (std::rand() != next) {
        ++draws;
    }
    return draws;
}

// Player spots on a grid over the whole sphere, and right beside every house and lantern.
std::vector<glm::vec3> playerSpots(const ObstaclePositions& obstacles) {
    std::vector<glm::vec3> spots;
    for (int latitude = -80; latitude <= 80; latitude += 40) {
        for (int longitude = 0; longitude < 360; longitude += 60) {
            const float lat = glm::radians(static_cast<float>(latitude));
            const float lon = glm::radians(static_cast<float>(longitude));
            spots.push_back(1.05f * glm::vec3(std::cos(lat) * std::sin(lon), std::sin(lat),
                                              std::cos(lat) * std::cos(lon)));
        }
    }
    std::vector<glm::vec3> items = obstacles.houses;
    items.insert(items.end(), obstacles.lanterns.begin(), obstacles.lanterns.end());
    for (const glm::vec3& item : items) {
        const glm::vec3 side = glm::normalize(glm::cross(item, glm::vec3(0.3f, 1.0f, 0.2f)));
        spots.push_back(1.05f * glm::normalize(glm::normalize(item) + 0.1f * side));
    }
    return spots;
}

TEST(PowerUpRulesTest, FrameTimeDecidesTheSpawnRoll) {
    std::srand(11);
    int spawnedWithoutTime = 0;
    int spawnedInLongFrames = 0;
    int spawnedInOneSecond = 0;
    for (int i = 0; i < 20000; ++i) {
        spawnedWithoutTime += PowerUpRules::spawnRollSucceeds(0.0, 0.05f) ? 1 : 0;
        spawnedInLongFrames += PowerUpRules::spawnRollSucceeds(20.01, 0.05f) ? 1 : 0;
        spawnedInOneSecond += PowerUpRules::spawnRollSucceeds(1.0, 0.05f) ? 1 : 0;
    }
    EXPECT_EQ(spawnedWithoutTime, 0);
    EXPECT_EQ(spawnedInLongFrames, 20000);
    // One second at 0.05 per second: about one frame in twenty.
    EXPECT_GT(spawnedInOneSecond, 800);
    EXPECT_LT(spawnedInOneSecond, 1200);
}

// At least a third of the item sphere is always clear, so the loop ends after a few tries for any seed and
// any spot the player can stand on, even pressed against a house or a lantern.
TEST(PowerUpRulesTest, ItemsLieClearOfPlayerHousesAndLanternsAfterFewTries) {
    int mostTries = 0;
    long totalTries = 0;
    int placements = 0;
    for (unsigned int seed = 1; seed <= 100; ++seed) {
        const ObstaclePositions obstacles = decorationsFor(seed);
        for (const glm::vec3& player : playerSpots(obstacles)) {
            glm::mat4 item(1.0f);
            const int draws = drawsTakenBy(seed * 7919u + placements,
                                           [&] { PowerUpRules::placeAtFreeSpot(item, player, obstacles); });
            const glm::vec3 spot = translationOf(item);
            ASSERT_NEAR(glm::length(spot), 1.1f, 1e-5f) << "seed " << seed;
            EXPECT_GE(glm::length(spot - player), 0.5f) << "seed " << seed;
            for (const glm::vec3& house : obstacles.houses) {
                EXPECT_GE(glm::length(spot - house), 0.5f) << "seed " << seed;
            }
            for (const glm::vec3& lantern : obstacles.lanterns) {
                EXPECT_GE(glm::length(spot - lantern), 0.5f) << "seed " << seed;
            }
            mostTries = std::max(mostTries, draws / 2);
            totalTries += draws / 2;
            ++placements;
        }
    }
    EXPECT_LT(static_cast<double>(totalTries) / placements, 3.0);
    EXPECT_LT(mostTries, 60);
}

TEST(PowerUpRulesTest, ReachIsStrictlyBelowFifteenHundredths) {
    const glm::vec3 player(0.0f, 1.05f, 0.0f);
    EXPECT_TRUE(PowerUpRules::isWithinReach(player + glm::vec3(0.0f, 0.05f, 0.0f), player));
    EXPECT_TRUE(PowerUpRules::isWithinReach(player + glm::vec3(0.149f, 0.0f, 0.0f), player));
    EXPECT_FALSE(PowerUpRules::isWithinReach(player + glm::vec3(0.0f, 0.0f, 0.151f), player));
}

TEST(PowerUpRulesTest, BobSwingsGentlyInAndOutAlongTheRadius) {
    glm::mat4 item(1.0f);
    std::srand(5);
    PowerUpRules::placeAtFreeSpot(item, playerStart, ObstaclePositions{});
    const glm::vec3 direction = glm::normalize(translationOf(item));
    double offset = 0.0;
    int bobDirection = 1;
    const glm::mat4 still = item;
    PowerUpRules::bob(item, offset, bobDirection, 0.0);
    EXPECT_EQ(item, still);

    double lowest = 0.0;
    double highest = 0.0;
    int turns = 0;
    for (int frame = 0; frame < 600; ++frame) {
        const int before = bobDirection;
        PowerUpRules::bob(item, offset, bobDirection, 1.0 / 60.0);
        turns += bobDirection != before ? 1 : 0;
        lowest = std::min(lowest, offset);
        highest = std::max(highest, offset);
        const glm::vec3 position = translationOf(item);
        ASSERT_NEAR(glm::length(position), 1.1 + offset, 1e-5) << "frame " << frame;
        ASSERT_LT(glm::distance(glm::normalize(position), direction), 1e-5f) << "frame " << frame;
    }
    EXPECT_GT(highest, 0.025);
    EXPECT_LT(highest, 0.03);
    EXPECT_LT(lowest, -0.025);
    EXPECT_GT(lowest, -0.03);
    // Ten seconds at about two seconds a cycle.
    EXPECT_GE(turns, 9);
    EXPECT_LE(turns, 10);
}

} // namespace
} // namespace Velmora
