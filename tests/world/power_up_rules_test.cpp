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

TEST(PowerUpRulesTest, FrameTimeDecidesTheSpawnRoll) {
    std::srand(11);
    int withoutTime = 0;
    int inLongFrames = 0;
    for (int i = 0; i < 20000; ++i) {
        withoutTime += PowerUpRules::spawnRollSucceeds(0.0, 0.05f) ? 1 : 0;
        inLongFrames += PowerUpRules::spawnRollSucceeds(20.01, 0.05f) ? 1 : 0;
    }
    EXPECT_EQ(withoutTime, 0);
    EXPECT_EQ(inLongFrames, 20000);
}

// At least a third of the item sphere is always clear, so the loop ends after a few tries for any seed, with
// the player pressed against any house or lantern or on the far side of the planet from it.
TEST(PowerUpRulesTest, ItemsLieClearOfPlayerHousesAndLanternsAfterFewTries) {
    int mostTries = 0;
    for (unsigned int seed = 1; seed <= 100; ++seed) {
        std::srand(seed);
        DecorationPlacement placement(glm::vec3(0.0f, 0.359f, 0.987f));
        ObstaclePositions obstacles;
        std::vector<glm::vec3> players;
        for (int i = 0; i < 12; ++i) {
            glm::mat4 item(1.0f);
            glm::vec3 light;
            i < 8 ? placement.placeHouse(item) : placement.placeLantern(item, light);
            const glm::vec3 position = translationOf(item);
            (i < 8 ? obstacles.houses : obstacles.lanterns).push_back(position);
            players.push_back(1.05f * glm::normalize(position + glm::vec3(0.06f, 0.0f, 0.0f)));
            players.push_back(-1.05f * glm::normalize(position));
        }
        for (size_t k = 0; k < players.size(); ++k) {
            glm::mat4 item;
            const int draws = drawsTakenBy(
                seed * 100 + k, [&] { PowerUpRules::placeAtFreeSpot(item, players[k], obstacles); });
            mostTries = std::max(mostTries, draws / 2);
            const glm::vec3 spot = translationOf(item);
            ASSERT_NEAR(glm::length(spot), 1.1f, 1e-5f);
            float nearest = glm::length(spot - players[k]);
            for (const glm::vec3& other : obstacles.houses) {
                nearest = std::min(nearest, glm::length(spot - other));
            }
            for (const glm::vec3& other : obstacles.lanterns) {
                nearest = std::min(nearest, glm::length(spot - other));
            }
            EXPECT_GE(nearest, 0.5f) << "seed " << seed;
        }
    }
    EXPECT_LT(mostTries, 60);
}

TEST(PowerUpRulesTest, BobSwingsGentlyInAndOutAlongTheRadius) {
    glm::mat4 item(1.0f);
    std::srand(5);
    PowerUpRules::placeAtFreeSpot(item, glm::vec3(0.0f, 1.05f, 0.0f), ObstaclePositions{});
    const glm::vec3 direction = glm::normalize(translationOf(item));
    double offset = 0.0;
    int bobDirection = 1;
    double widest = 0.0;
    for (int frame = 0; frame < 600; ++frame) {
        PowerUpRules::bob(item, offset, bobDirection, 1.0 / 60.0);
        widest = std::max(widest, std::abs(offset));
        ASSERT_NEAR(glm::length(translationOf(item)), 1.1 + offset, 1e-5) << "frame " << frame;
        ASSERT_LT(glm::distance(glm::normalize(translationOf(item)), direction), 1e-5f) << "frame " << frame;
    }
    // Turning back on either side keeps it near the 0.025 mark; a missed turn would carry it away.
    EXPECT_GT(widest, 0.025);
    EXPECT_LT(widest, 0.03);
}

} // namespace
} // namespace Velmora
