// The same play at 60, 4 and 1 frames a second must end alike: the same hits and lives, the same stopping
// place at a wall, the same items collected. Each scenario plays the game's rules in the order of one update
// step (walk, items, rocks, camera, hits), split into steps as the frame loop splits a frame.
#include "math/camera.hpp"
#include "support/start_placement.hpp"
#include "world/asteroid_shower.hpp"
#include "world/frame_steps.hpp"
#include "world/player_pose.hpp"
#include "world/power_up_rules.hpp"

#include <array>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <glm/gtc/matrix_transform.hpp>
#include <gtest/gtest.h>
#include <memory>

namespace Velmora {
namespace {

const std::array<double, 3> frameTimes = {1.0 / 60.0, 0.25, 1.0};

// A direction on the planet, turned from the character's start direction about the x axis: positive angles
// lie ahead of it, on its first forward steps.
glm::vec3 aheadOfStart(float degrees, float radius) {
    const PlayerPartTransform start = TestSupport::partAtStart();
    const glm::mat4 turn = glm::rotate(glm::mat4(1.0f), glm::radians(-degrees), glm::vec3(1.0f, 0.0f, 0.0f));
    return radius * glm::normalize(glm::vec3(turn * glm::vec4(start.position(), 0.0f)));
}

struct Outcome {
    int lives = 3;
    double lostAt = -1.0;
    double collectedAt = -1.0;
    glm::vec3 position{0.0f};
};

class Scenario {
public:
    explicit Scenario(double spawnRate = 0.0, double spawnDuration = 0.0) : shower(spawnRate, spawnDuration) {
        for (PlayerPartTransform& part : pose.parts) {
            part.placeAtStart();
        }
        camera = TestSupport::cameraAimedAt(pose.position(), 800, 600);
    }

    void addRock(const glm::vec3& start, double spawnTime) {
        Asteroid rock(spawnTime);
        rock.modelMatrix[3] = glm::vec4(start, 1.0f);
        shower.addAsteroid(rock);
    }

    Outcome play(double seconds, double frameTime) {
        const long frames = std::lround(seconds / frameTime);
        for (long frame = 0; frame < frames && outcome.lostAt < 0.0; ++frame) {
            const FrameSteps steps = FrameSteps::split(frameTime);
            for (int step = 0; step < steps.count && outcome.lostAt < 0.0; ++step) {
                playStep(steps.length);
            }
        }
        outcome.position = pose.position();
        return outcome;
    }

    PlayerPose pose;
    Camera camera;
    ObstaclePositions obstacles;
    AsteroidShower shower;
    bool walking = false;
    glm::vec3 item{0.0f};
    bool itemLies = false;

private:
    void playStep(double stepTime) {
        clock += stepTime;
        if (walking) {
            const float speed = 40.0f;
            camera.rotateCamera(speed, stepTime,
                                pose.moveForward(camera.position(), speed, stepTime, obstacles));
        }
        if (itemLies && PowerUpRules::isWithinReach(item, pose.position())) {
            itemLies = false;
            outcome.collectedAt = clock;
        }
        shower.advance(stepTime);
        camera.lookAtTarget(pose.position());
        if (shower.checkHits(pose.position(), false, outcome.lives)) {
            outcome.lostAt = clock;
        }
    }

    double clock = 0.0;
    Outcome outcome;
};

void expectSameOutcomes(const std::function<Outcome(double)>& play, float placeTolerance = 1e-4f) {
    const Outcome reference = play(frameTimes[0]);
    for (double frameTime : frameTimes) {
        SCOPED_TRACE("frame time " + std::to_string(frameTime));
        const Outcome outcome = play(frameTime);
        EXPECT_EQ(outcome.lives, reference.lives);
        EXPECT_NEAR(outcome.lostAt, reference.lostAt, 1e-6);
        EXPECT_NEAR(outcome.collectedAt, reference.collectedAt, 1e-6);
        EXPECT_LT(glm::distance(outcome.position, reference.position), placeTolerance);
    }
}

TEST(FrameRateFairness, RocksOverAStandingPlayerHitAtAnyFrameRate) {
    // Three rocks straight above, a second apart, take the three lives; rocks just beside the reach never
    // hit.
    expectSameOutcomes([](double frameTime) {
        Scenario scenario;
        for (double spawnTime : {0.05, 1.05, 2.05}) {
            scenario.addRock(aheadOfStart(0.0f, AsteroidShower::startRadius), spawnTime);
            scenario.addRock(aheadOfStart(11.5f, AsteroidShower::startRadius), spawnTime);
            scenario.addRock(aheadOfStart(-11.5f, AsteroidShower::startRadius), spawnTime);
        }
        const Outcome outcome = scenario.play(8.0, frameTime);
        EXPECT_EQ(outcome.lives, 0);
        EXPECT_NEAR(outcome.lostAt, 2.05 + (AsteroidShower::startRadius - 1.2) / AsteroidShower::fallSpeed,
                    0.02);
        return outcome;
    });
}

TEST(FrameRateFairness, ADenseShowerCostsTheSameLivesAtAnyFrameRate) {
    // Ten thousand rocks over two seconds: about fifty fall through the reach of a player who stands still.
    expectSameOutcomes([](double frameTime) {
        std::srand(11);
        Scenario scenario(5000.0, 2.0);
        const Outcome outcome = scenario.play(6.0, frameTime);
        EXPECT_EQ(outcome.lives, 0);
        return outcome;
    });
}

TEST(FrameRateFairness, AWalkStopsAtTheSamePlaceBeforeAHouseOrALantern) {
    for (bool house : {true, false}) {
        SCOPED_TRACE(house ? "house" : "lantern");
        // One step at 1/60 s is about 0.012 long: the walk ends at the edge of the reach, give or take one.
        expectSameOutcomes(
            [house](double frameTime) {
                Scenario scenario;
                const glm::vec3 obstacle = aheadOfStart(25.0f, 1.0f);
                (house ? scenario.obstacles.houses : scenario.obstacles.lanterns).push_back(obstacle);
                scenario.walking = true;
                const Outcome outcome = scenario.play(3.0, frameTime);
                const float reach = house ? 0.22f : 0.12f;
                EXPECT_NEAR(glm::distance(outcome.position, obstacle), reach, 0.015f);
                return outcome;
            },
            0.025f);
    }
}

TEST(FrameRateFairness, AWalkAcrossAnItemCollectsItAtAnyFrameRate) {
    expectSameOutcomes([](double frameTime) {
        Scenario scenario;
        scenario.item = aheadOfStart(20.0f, PowerUpRules::itemHeight);
        scenario.itemLies = true;
        scenario.walking = true;
        const Outcome outcome = scenario.play(2.0, frameTime);
        EXPECT_GT(outcome.collectedAt, 0.0);
        return outcome;
    });
}

TEST(FrameSteps, ShortFramesAreOneStepLongFramesStepsOfASixtiethAtMostUpToTheCap) {
    for (double frameTime : {0.0, 0.001, 1.0 / 60.0}) {
        const FrameSteps steps = FrameSteps::split(frameTime);
        EXPECT_EQ(steps.count, 1);
        EXPECT_EQ(steps.length, frameTime);
    }
    for (double frameTime : {0.02, 0.25, 1.0, 3.99}) {
        const FrameSteps steps = FrameSteps::split(frameTime);
        EXPECT_LE(steps.length, FrameSteps::longestStep + 1e-12) << frameTime;
        EXPECT_GT(steps.length, FrameSteps::longestStep / 2.0) << frameTime;
        EXPECT_NEAR(steps.count * steps.length, frameTime, 1e-9);
    }
    // A game stopped for an hour plays 4 s of it, in steps no longer than any other.
    const FrameSteps resumed = FrameSteps::split(3600.0);
    EXPECT_EQ(resumed.count, FrameSteps::mostSteps);
    EXPECT_EQ(resumed.length, FrameSteps::longestStep);
}

TEST(FrameRateFairness, AStallOfMinutesPlaysTheFirstFourSecondsAsSixtiethsDo) {
    std::srand(5);
    Scenario reference(50.0, 8.0);
    const int lives = reference.play(4.0, 1.0 / 60.0).lives;
    for (const double stall : {900.0, 3600.0}) {
        std::srand(5);
        Scenario stalled(50.0, 8.0);
        EXPECT_EQ(stalled.play(stall, stall).lives, lives);
        EXPECT_NEAR(stalled.shower.elapsedTime, 4.0, 1e-9);
        for (std::size_t rock = 0; rock < reference.shower.asteroidList.size(); ++rock) {
            EXPECT_EQ(stalled.shower.asteroidList[rock].modelMatrix,
                      reference.shower.asteroidList[rock].modelMatrix);
        }
    }
}

} // namespace
} // namespace Velmora
