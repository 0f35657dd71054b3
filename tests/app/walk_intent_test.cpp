#include "app/walk_intent.hpp"

#include <gtest/gtest.h>

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
