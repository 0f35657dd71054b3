// The shower walks only the asteroids in play; these cases hold that walk to the rules of a walk over every
// asteroid of the list.
#include "math/world_transforms.hpp"
#include "world/asteroid_shower.hpp"

#include <cstdlib>
#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace Velmora {
namespace {

std::vector<double> spawnTimesInPlay(const AsteroidShower& shower) {
    std::vector<double> times;
    shower.forEachInPlay([&](const Asteroid& asteroid) { times.push_back(asteroid.spawnTime); });
    return times;
}

// The rules applied to every asteroid of a list, as the game played them before it kept track of play.
struct EveryAsteroidShower {
    void advance(double frameTime) {
        elapsedTime += frameTime;
        for (Asteroid& asteroid : asteroids) {
            const glm::vec3 position = translationOf(asteroid.modelMatrix);
            asteroid.released = asteroid.released || elapsedTime > asteroid.spawnTime;
            asteroid.impacted = asteroid.impacted || (asteroid.released && glm::length(position) < 1.0f);
            if (asteroid.inPlay()) {
                translateInWorld(asteroid.modelMatrix, glm::normalize(-position), frameTime * 0.75);
            }
        }
    }

    bool anyHit(const glm::vec3& playerPosition) {
        bool hit = false;
        for (Asteroid& asteroid : asteroids) {
            if (asteroid.inPlay() &&
                glm::length(playerPosition - translationOf(asteroid.modelMatrix)) < 0.15f) {
                asteroid.impacted = true;
                hit = true;
            }
        }
        return hit;
    }

    std::vector<Asteroid> asteroids;
    double elapsedTime = 0.0;
};

TEST(AsteroidInPlayTest, ReleasesInSpawnOrderStrictlyAfterEachTime) {
    AsteroidShower shower(0.0, 0.0);
    for (const double spawnTime : {0.3, 0.1, 0.2, 0.1}) {
        shower.addAsteroid(Asteroid(spawnTime)).modelMatrix[3] = glm::vec4(0.0f, 3.0f, 0.0f, 1.0f);
    }
    EXPECT_TRUE(spawnTimesInPlay(shower).empty());
    shower.advance(0.1);
    EXPECT_TRUE(spawnTimesInPlay(shower).empty());
    shower.advance(0.05);
    EXPECT_EQ(spawnTimesInPlay(shower), (std::vector<double>{0.1, 0.1}));
    shower.advance(0.2);
    EXPECT_EQ(spawnTimesInPlay(shower), (std::vector<double>{0.1, 0.1, 0.2, 0.3}));
}

TEST(AsteroidInPlayTest, LandedRocksLeaveTheWalkUpToTheLastOne) {
    AsteroidShower empty(0.0, 0.0);
    empty.advance(1.0);
    int lives = 3;
    EXPECT_FALSE(empty.checkHits(glm::vec3(0.0f, 1.05f, 0.0f), false, lives));
    EXPECT_TRUE(spawnTimesInPlay(empty).empty());

    std::srand(3);
    AsteroidShower shower(4.0, 1.0);
    for (int step = 0; step < 60 * 4; ++step) {
        shower.advance(1.0 / 60.0);
    }
    // Every rock fell 2 units within 2.67 s of its release, the last one included.
    EXPECT_TRUE(spawnTimesInPlay(shower).empty());
    for (const Asteroid& asteroid : shower.asteroidList) {
        EXPECT_TRUE(asteroid.released && asteroid.impacted);
        EXPECT_LT(glm::length(translationOf(asteroid.modelMatrix)), 1.0f);
    }
    // A rock added late is walked although the others have all landed.
    shower.addAsteroid(Asteroid(0.0)).released = true;
    EXPECT_EQ(spawnTimesInPlay(shower), (std::vector<double>{0.0}));
    shower.removeAll();
    shower.advance(1.0);
    EXPECT_TRUE(spawnTimesInPlay(shower).empty());
}

// A standing player under a dense shower at uneven frame times: every rock ends exactly where, and in the
// state, the walk over every rock leaves it, and the same hit checks cost lives.
TEST(AsteroidInPlayTest, PlaysEveryRockAsTheWalkOverAllRocksDoes) {
    std::srand(5);
    AsteroidShower shower(300.0, 2.0);
    EveryAsteroidShower reference{shower.asteroidList, 0.0};
    const glm::vec3 player = 1.05f * glm::normalize(translationOf(shower.asteroidList[17].modelMatrix));
    std::mt19937 random(9);
    std::uniform_real_distribution<double> frameTime(0.001, 1.0 / 30.0);
    int lives = 1000;
    int referenceLives = 1000;
    while (shower.elapsedTime < 5.0) {
        const double length = frameTime(random);
        shower.advance(length);
        reference.advance(length);
        shower.checkHits(player, false, lives);
        referenceLives -= reference.anyHit(player) ? 1 : 0;
        ASSERT_EQ(lives, referenceLives);
    }
    EXPECT_LT(lives, 1000);
    for (size_t i = 0; i < shower.asteroidList.size(); ++i) {
        const Asteroid& asteroid = shower.asteroidList[i];
        EXPECT_EQ(asteroid.modelMatrix, reference.asteroids[i].modelMatrix);
        EXPECT_EQ(asteroid.impacted, reference.asteroids[i].impacted);
    }
}

} // namespace
} // namespace Velmora
