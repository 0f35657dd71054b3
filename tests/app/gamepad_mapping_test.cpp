#include "app/gamepad_mapping.hpp"

#include <cmath>
#include <gtest/gtest.h>
#include <utility>

namespace Velmora {
namespace {

constexpr double frame = 1.0 / 60.0;

// A left stick leaning by the given length towards a compass angle: 0 degrees forward (up), 90 to the right.
PadState leftStickAt(float degrees, float length) {
    const float radians = degrees * 3.14159265f / 180.0f;
    PadState state;
    state.leftX = length * std::sin(radians);
    state.leftY = -length * std::cos(radians);
    return state;
}

std::pair<int, int> walkOf(const PadState& state) {
    GamepadMapping mapping;
    const WalkIntent walk = mapping.next(state, false, frame).walk;
    return {walk.forward, walk.side};
}

bool actsAtAll(const InputActions& actions) {
    return actions.walk.forward != 0 || actions.walk.side != 0 || actions.startShower ||
           actions.togglePause || actions.quit || actions.orbit != 0.0f || actions.tilt != 0.0f ||
           actions.zoom != 0.0f;
}

TEST(GamepadMapping, StickInsideTheDeadZoneNeverActs) {
    for (const auto& [x, y] : {std::pair{0.0f, 0.0f},
                               {0.25f, 0.0f},
                               {0.0f, -0.25f},
                               {0.17f, -0.17f},
                               {-0.2f, 0.14f},
                               {0.24f, 0.05f}}) {
        PadState state;
        state.leftX = x;
        state.leftY = y;
        state.rightX = x;
        state.rightY = y;
        GamepadMapping mapping;
        EXPECT_FALSE(actsAtAll(mapping.next(state, false, frame))) << x << ", " << y;
    }
    // Just past the edge, on an axis and on a diagonal whose components alone are inside it.
    EXPECT_EQ(walkOf(leftStickAt(0.0f, 0.26f)), std::pair(1, 0));
    EXPECT_EQ(walkOf(leftStickAt(135.0f, 0.26f)), std::pair(-1, 1));
    PadState rightLean;
    rightLean.rightX = 0.26f;
    GamepadMapping mapping;
    const InputActions actions = mapping.next(rightLean, false, frame);
    EXPECT_LT(actions.orbit, 0.0f);
    EXPECT_GT(actions.orbit, -0.02f * GamepadMapping::orbitPixelsPerSecond * static_cast<float>(frame));
}

TEST(GamepadMapping, LeftStickWalksInTheEightDirectionsOfTheKeys) {
    // Forward, forward-right, right, backward-right, backward, backward-left, left, forward-left.
    const std::pair<int, int> expected[] = {{1, 0},  {1, 1},   {0, 1},  {-1, 1},
                                            {-1, 0}, {-1, -1}, {0, -1}, {1, -1}};
    for (int direction = 0; direction < 8; ++direction) {
        for (float length : {0.4f, 1.0f}) {
            const float degrees = 45.0f * static_cast<float>(direction);
            EXPECT_EQ(walkOf(leftStickAt(degrees, length)), expected[direction]) << degrees << " " << length;
            // The sectors are 45 degrees wide, centred on each direction.
            EXPECT_EQ(walkOf(leftStickAt(degrees - 22.0f, length)), expected[direction]) << degrees;
            EXPECT_EQ(walkOf(leftStickAt(degrees + 22.0f, length)), expected[direction]) << degrees;
            EXPECT_EQ(walkOf(leftStickAt(degrees + 23.0f, length)), expected[(direction + 1) % 8]) << degrees;
        }
    }
}

TEST(GamepadMapping, DpadWalksAndJoinsTheStickLikeASecondSetOfKeys) {
    PadState state;
    state.dpadUp = true;
    state.dpadLeft = true;
    EXPECT_EQ(walkOf(state), std::pair(1, -1));
    state.dpadLeft = false;
    state.dpadDown = true;
    EXPECT_EQ(walkOf(state), std::pair(0, 0));

    PadState stickAndPad = leftStickAt(0.0f, 1.0f);
    stickAndPad.dpadUp = true;
    EXPECT_EQ(walkOf(stickAndPad), std::pair(1, 0));
    stickAndPad.dpadUp = false;
    stickAndPad.dpadRight = true;
    EXPECT_EQ(walkOf(stickAndPad), std::pair(1, 1));
    stickAndPad.dpadRight = false;
    stickAndPad.dpadDown = true;
    EXPECT_EQ(walkOf(stickAndPad), std::pair(0, 0));
}

TEST(GamepadMapping, HeldButtonActsOnceAsAKeyPressDoes) {
    const auto press = [](PadState& state, int button) -> bool& {
        return button == 0 ? state.south : button == 1 ? state.start : state.back;
    };
    const auto acted = [](const InputActions& actions, int button) {
        return button == 0 ? actions.startShower : button == 1 ? actions.togglePause : actions.quit;
    };
    for (int button = 0; button < 3; ++button) {
        GamepadMapping mapping;
        PadState state;
        press(state, button) = true;
        EXPECT_TRUE(acted(mapping.next(state, false, frame), button)) << button;
        EXPECT_FALSE(acted(mapping.next(state, false, frame), button)) << button;
        EXPECT_FALSE(acted(mapping.next(state, false, frame), button)) << button;
        press(state, button) = false;
        EXPECT_FALSE(acted(mapping.next(state, false, frame), button)) << button;
        press(state, button) = true;
        EXPECT_TRUE(acted(mapping.next(state, false, frame), button)) << button;
    }
}

TEST(GamepadMapping, FrozenOnlyPauseAndQuitAct) {
    PadState everything = leftStickAt(45.0f, 1.0f);
    everything.rightX = 1.0f;
    everything.rightY = 1.0f;
    everything.rightShoulder = true;
    everything.rightTrigger = 1.0f;
    everything.dpadUp = true;
    everything.south = true;
    everything.start = true;
    everything.back = true;
    GamepadMapping mapping;
    InputActions frozen = mapping.next(everything, true, frame);
    EXPECT_TRUE(frozen.togglePause);
    EXPECT_TRUE(frozen.quit);
    EXPECT_TRUE(frozen.startRound);
    frozen.togglePause = false;
    frozen.quit = false;
    EXPECT_FALSE(actsAtAll(frozen));

    // A pressed during the pause was used up there: held on, it does not start the shower afterwards.
    const InputActions running = mapping.next(everything, false, frame);
    EXPECT_FALSE(running.startShower);
    EXPECT_FALSE(running.togglePause);
    EXPECT_EQ(running.walk.forward, 1);
    EXPECT_NE(running.orbit, 0.0f);
}

TEST(GamepadMapping, RightStickTurnsAsTheMouseDoesAtARateIndependentOfTheFrameRate) {
    PadState state;
    state.rightX = 0.6f;
    state.rightY = 0.8f;
    GamepadMapping mapping;
    const InputActions second = mapping.next(state, false, 1.0);
    // Leaning right turns like the mouse moving right, a negative offset from the centre; down tilts like the
    // mouse moving down. A full lean turns at the full rate, shared out between the two ways.
    EXPECT_NEAR(second.orbit, -0.6f * GamepadMapping::orbitPixelsPerSecond, 1.0f);
    EXPECT_NEAR(second.tilt, 0.8f * GamepadMapping::tiltPixelsPerSecond, 1.0f);

    float orbit = 0.0f;
    float tilt = 0.0f;
    for (int step = 0; step < 60; ++step) {
        const InputActions actions = mapping.next(state, false, 1.0 / 60.0);
        orbit += actions.orbit;
        tilt += actions.tilt;
    }
    EXPECT_NEAR(orbit, second.orbit, 1e-2f);
    EXPECT_NEAR(tilt, second.tilt, 1e-2f);

    // The lean counts from the dead zone's edge, so turning starts gently.
    state.rightX = -0.625f;
    state.rightY = 0.0f;
    EXPECT_NEAR(mapping.next(state, false, 1.0).orbit, 0.5f * GamepadMapping::orbitPixelsPerSecond, 1.0f);
}

TEST(GamepadMapping, ShouldersAndTriggersZoomLikeTheWheel) {
    const float fullSecond = GamepadMapping::zoomWheelUnitsPerSecond;
    const auto zoomOf = [](const PadState& state, double frameTime) {
        GamepadMapping mapping;
        return mapping.next(state, false, frameTime).zoom;
    };
    PadState state;
    state.rightShoulder = true;
    EXPECT_FLOAT_EQ(zoomOf(state, 1.0), fullSecond);
    EXPECT_FLOAT_EQ(zoomOf(state, 0.25), fullSecond * 0.25f);
    state.leftShoulder = true;
    EXPECT_FLOAT_EQ(zoomOf(state, 1.0), 0.0f);
    state.rightShoulder = false;
    EXPECT_FLOAT_EQ(zoomOf(state, 1.0), -fullSecond);

    // Triggers at rest, and the 0 that GLFW gives for a pad without them, zoom nowhere.
    PadState triggers;
    for (float rest : {-1.0f, 0.0f, 0.25f}) {
        triggers.leftTrigger = rest;
        triggers.rightTrigger = rest;
        EXPECT_FLOAT_EQ(zoomOf(triggers, 1.0), 0.0f) << rest;
    }
    triggers.leftTrigger = -1.0f;
    triggers.rightTrigger = 1.0f;
    EXPECT_FLOAT_EQ(zoomOf(triggers, 1.0), fullSecond);
    triggers.rightTrigger = 0.625f;
    EXPECT_FLOAT_EQ(zoomOf(triggers, 1.0), fullSecond * 0.5f);
    triggers.rightTrigger = -1.0f;
    triggers.leftTrigger = 1.0f;
    EXPECT_FLOAT_EQ(zoomOf(triggers, 1.0), -fullSecond);
}

} // namespace
} // namespace Velmora
