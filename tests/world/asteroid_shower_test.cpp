#include "math/world_transforms.hpp"
#include "world/asteroid_shower.hpp"
#include "world/decoration_placement.hpp"

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <random>

namespace Velmora {
namespace {

const glm::vec3 playerPosition(0.0f, 0.0f, 1.05f);

// A shower of the given asteroids, each already released at the given distance straight above the player.
AsteroidShower showerAbovePlayer(std::initializer_list<float> heights) {
    AsteroidShower shower(0.0, 0.0);
    for (float height : heights) {
        Asteroid asteroid(0.0);
        translateInWorld(asteroid.modelMatrix, glm::normalize(playerPosition) * height, 1.0);
        asteroid.released = true;
        shower.addAsteroid(asteroid);
    }
    return shower;
}

float heightOf(const Asteroid& asteroid) {
    return glm::length(translationOf(asteroid.modelMatrix));
}

TEST(AsteroidShowerTest, CountComesFromRateTimesDuration) {
    std::srand(11);
    const AsteroidShower shower(2.0, 10.0);
    ASSERT_EQ(shower.asteroidList.size(), 20u);
    // All spawn times are drawn before the first placement; the list holds them in time order.
    std::srand(11);
    std::vector<double> drawnTimes;
    for (int i = 0; i < 20; ++i) {
        drawnTimes.push_back(static_cast<double>(std::rand() % 32768) / 32767.0 * 10.0);
    }
    glm::mat4 firstPlacement(1.0f);
    translateInWorld(firstPlacement, glm::vec3(0.0f, 3.0f, 0.0f), 1.0);
    DecorationPlacement::turnRandomly(firstPlacement);
    std::vector<double> listedTimes;
    for (const Asteroid& asteroid : shower.asteroidList) {
        listedTimes.push_back(asteroid.spawnTime);
        EXPECT_NEAR(heightOf(asteroid), 3.0f, 1e-5f);
        EXPECT_FALSE(asteroid.released || asteroid.impacted);
        // The first placement drawn belongs to the asteroid created first, wherever the list puts it.
        if (asteroid.spawnTime == drawnTimes[0]) {
            EXPECT_EQ(asteroid.modelMatrix, firstPlacement);
        }
    }
    EXPECT_TRUE(std::is_sorted(listedTimes.begin(), listedTimes.end()));
    std::sort(drawnTimes.begin(), drawnTimes.end());
    EXPECT_EQ(listedTimes, drawnTimes);
    EXPECT_EQ(AsteroidShower(3.0, 1.0).asteroidList.size(), 3u);
    EXPECT_EQ(AsteroidShower::asteroidCount(2.5, 1.5), 3);
    EXPECT_EQ(AsteroidShower::asteroidCount(0.0, 10.0), 0);
    EXPECT_EQ(AsteroidShower::asteroidCount(-3.0, 10.0), 0);
    EXPECT_EQ(AsteroidShower::asteroidCount(3.0, -10.0), 0);
    EXPECT_EQ(AsteroidShower::asteroidCount(-3.0, -10.0), 0);
    EXPECT_EQ(AsteroidShower::asteroidCount(0.5, 1.9), 0);
    EXPECT_EQ(AsteroidShower::asteroidCount(1000.0, 1000.0), AsteroidShower::maximumCount);
}

TEST(AsteroidShowerTest, CountsBeyondTheLimitAreHeldAtIt) {
    EXPECT_EQ(AsteroidShower::asteroidCount(1000001.0, 1.0), AsteroidShower::maximumCount);
    EXPECT_EQ(AsteroidShower::asteroidCount(2147483647.0, 2147483647.0), AsteroidShower::maximumCount);
    EXPECT_EQ(AsteroidShower::asteroidCount(-2147483648.0, -2147483648.0), 0);
}

TEST(AsteroidShowerTest, ClockReleasesStrictlyAfterTheSpawnTime) {
    AsteroidShower shower(0.0, 0.0);
    Asteroid& asteroid = shower.addAsteroid(Asteroid(0.5));
    translateInWorld(asteroid.modelMatrix, glm::vec3(0.0f, 3.0f, 0.0f), 1.0);
    shower.advance(0.25);
    shower.advance(0.25);
    EXPECT_FALSE(asteroid.released);
    EXPECT_FLOAT_EQ(heightOf(asteroid), 3.0f);
    // Released and moved in the same update: 0.75 units per second towards the centre.
    shower.advance(0.2);
    EXPECT_TRUE(asteroid.released);
    EXPECT_NEAR(heightOf(asteroid), 3.0f - 0.15f, 1e-5f);
}

TEST(AsteroidShowerTest, SurfaceStopsAnAsteroidOnTheUpdateAfterItCrosses) {
    AsteroidShower shower = showerAbovePlayer({1.1f});
    const Asteroid& asteroid = shower.asteroidList[0];
    shower.advance(0.2);
    EXPECT_NEAR(heightOf(asteroid), 0.95f, 1e-5f);
    EXPECT_TRUE(asteroid.inPlay());
    // Inside the planet now, yet still near enough to the player within this frame.
    int lives = 3;
    EXPECT_FALSE(shower.checkHits(playerPosition + glm::vec3(0.0f, 0.0f, 0.5f), false, lives));
    shower.advance(0.2);
    EXPECT_TRUE(asteroid.impacted);
    EXPECT_NEAR(heightOf(asteroid), 0.95f, 1e-5f);
    EXPECT_FALSE(shower.checkHits(glm::vec3(0.0f, 0.0f, 0.95f), false, lives));
    EXPECT_EQ(lives, 3);

    AsteroidShower crossing = showerAbovePlayer({1.1f});
    crossing.advance(0.2);
    EXPECT_FALSE(crossing.checkHits(playerPosition, false, lives));
    EXPECT_TRUE(crossing.asteroidList[0].impacted);
    EXPECT_EQ(lives, 2);
}

TEST(AsteroidShowerTest, HitsCostOneLifePerCallUnlessShielded) {
    AsteroidShower shower = showerAbovePlayer({1.1f, 1.15f, 1.21f, 1.05f});
    shower.asteroidList[3].released = false;
    int lives = 3;
    EXPECT_FALSE(shower.checkHits(playerPosition, false, lives));
    EXPECT_EQ(lives, 2);
    EXPECT_TRUE(shower.asteroidList[0].impacted && shower.asteroidList[1].impacted);
    // Just outside the hit radius, and waiting on the player's spot: neither hits.
    EXPECT_FALSE(shower.asteroidList[2].impacted || shower.asteroidList[3].impacted);

    EXPECT_FALSE(shower.checkHits(playerPosition + glm::vec3(0.0f, 0.0f, 0.1f), true, lives));
    EXPECT_TRUE(shower.asteroidList[2].impacted);
    EXPECT_FALSE(shower.asteroidList[3].impacted);
    EXPECT_EQ(lives, 2);
    EXPECT_FALSE(shower.checkHits(playerPosition, false, lives));
    EXPECT_EQ(lives, 2);

    AsteroidShower last = showerAbovePlayer({1.05f});
    lives = 1;
    EXPECT_TRUE(last.checkHits(playerPosition, false, lives));
    EXPECT_EQ(lives, 0);
}

} // namespace
} // namespace Velmora
