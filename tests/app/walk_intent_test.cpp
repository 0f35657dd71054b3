#include "app/input_actions.hpp"
#include "app/walk_intent.hpp"

#include <glm/glm.hpp>
#include <gtest/gtest.h>

using Velmora::InputActions;
using Velmora::WalkIntent;

TEST(WalkIntent, OppositeKeysCancelEachOther) {
    const WalkIntent forwardAndBack = WalkIntent::fromKeys(true, true, false, false);
    EXPECT_EQ(forwardAndBack.forward, 0);
    EXPECT_EQ(forwardAndBack.side, 0);
    const WalkIntent allFour = WalkIntent::fromKeys(true, true, true, true);
    EXPECT_EQ(allFour.forward, 0);
    EXPECT_EQ(allFour.side, 0);
    const WalkIntent leftRightAndForward = WalkIntent::fromKeys(true, false, true, true);
    EXPECT_EQ(leftRightAndForward.forward, 1);
    EXPECT_EQ(leftRightAndForward.side, 0);
    EXPECT_FALSE(leftRightAndForward.isDiagonal());
}

TEST(WalkIntent, KeyPairsGiveTheirDiagonalCodes) {
    struct Case {
        bool w, s, a, d;
        int code;
    };
    for (const Case& c : {Case{true, false, true, false, 1}, Case{false, true, true, false, 2},
                          Case{true, false, false, true, 3}, Case{false, true, false, true, 4}}) {
        const WalkIntent intent = WalkIntent::fromKeys(c.w, c.s, c.a, c.d);
        EXPECT_TRUE(intent.isDiagonal());
        EXPECT_EQ(intent.diagonalCode(), c.code);
    }
}

TEST(WalkIntent, CombinedSourcesCountADirectionOnceAndCancelOppositeOnes) {
    const WalkIntent forwardLeft = WalkIntent::fromKeys(true, false, true, false);
    const WalkIntent same = forwardLeft.combinedWith(forwardLeft);
    EXPECT_EQ(same.forward, 1);
    EXPECT_EQ(same.side, -1);
    const WalkIntent backwardRight = WalkIntent::fromKeys(false, true, false, true);
    const WalkIntent opposite = forwardLeft.combinedWith(backwardRight);
    EXPECT_EQ(opposite.forward, 0);
    EXPECT_EQ(opposite.side, 0);
    const WalkIntent right = WalkIntent::fromKeys(false, false, false, true);
    const WalkIntent joined = WalkIntent::fromKeys(true, false, false, false).combinedWith(right);
    EXPECT_TRUE(joined.isDiagonal());
    EXPECT_EQ(joined.diagonalCode(), 3);
}

// A pad beside the keys and the mouse: moves add up; the frame's later steps keep only the walk.
TEST(InputActions, CombinedMovesAddUpAndLaterStepsOnlyWalk) {
    InputActions keys;
    keys.walk.forward = 1;
    keys.orbit = 10.0f;
    keys.tilt = 20.0f;
    keys.zoom = 30.0f;
    InputActions pad;
    pad.walk.side = 1;
    pad.startShower = pad.togglePause = pad.quit = pad.startRound = true;
    pad.orbit = 1.0f;
    pad.tilt = 2.0f;
    pad.zoom = 3.0f;
    for (const InputActions& both : {keys.combinedWith(pad), pad.combinedWith(keys)}) {
        EXPECT_EQ(glm::ivec2(both.walk.forward, both.walk.side), glm::ivec2(1, 1));
        EXPECT_TRUE(both.startShower && both.togglePause && both.quit && both.startRound);
        EXPECT_EQ(glm::vec3(both.orbit, both.tilt, both.zoom), glm::vec3(11.0f, 22.0f, 33.0f));
    }
    EXPECT_EQ(keys.forLaterSteps().walk.forward, 1);
    EXPECT_EQ(keys.forLaterSteps().orbit, 0.0f);
}
