#include "app/gamepad_input.hpp"
#include "app/glfw_gamepad_source.hpp"
#include "support/scoped_environment.hpp"

#include <GLFW/glfw3.h>
#include <cstdlib>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace Velmora {
namespace {

constexpr double frame = 1.0 / 60.0;

// Joysticks that a test plugs in and pulls out by hand, with the readings it sets. Like GLFW, it reports a
// removal while the joystick is still listed.
class FakeGamepadSource : public GamepadSource {
public:
    struct Joystick {
        bool gamepad = true;
        std::string name;
        std::optional<PadState> state = PadState();
        // Known only through a mapping of the player's.
        bool needsPlayersMapping = false;
    };

    void plugIn(int joystick, const Joystick& device) {
        joysticks[joystick] = device;
        if (watcher) {
            watcher(joystick, true);
        }
    }

    void pullOut(int joystick) {
        if (watcher) {
            watcher(joystick, false);
        }
        joysticks.erase(joystick);
    }

    void addMappings(const std::string& mappings) override { addedMappings.push_back(mappings); }
    void watchConnections(ConnectionWatcher newWatcher) override { watcher = std::move(newWatcher); }
    bool isGamepad(int joystick) const override {
        const auto found = joysticks.find(joystick);
        return found != joysticks.end() && found->second.gamepad &&
               (!found->second.needsPlayersMapping || !addedMappings.empty());
    }
    std::string gamepadName(int joystick) const override { return joysticks.at(joystick).name; }
    std::optional<PadState> readState(int joystick) const override {
        const auto found = joysticks.find(joystick);
        return found == joysticks.end() ? std::nullopt : found->second.state;
    }

    std::map<int, Joystick> joysticks;
    std::vector<std::string> addedMappings;
    ConnectionWatcher watcher;
};

PadState startHeld() {
    PadState state;
    state.start = true;
    return state;
}

// The pause presses of the playing pad over one frame, with the console lines printed on the way.
struct Frame {
    bool paused;
    std::string lines;
};

Frame pollWithLines(GamepadInput& input) {
    testing::internal::CaptureStdout();
    const bool paused = input.poll(false, frame).togglePause;
    return {paused, testing::internal::GetCapturedStdout()};
}

TEST(GamepadInput, WithoutAGamepadNothingActsAndNothingIsPrinted) {
    FakeGamepadSource source;
    source.joysticks[0] = {false, "accelerometer", startHeld()};
    testing::internal::CaptureStdout();
    GamepadInput input(source);
    const bool paused = input.poll(false, frame).togglePause;
    source.plugIn(1, {false, "wheel", startHeld()});
    const bool pausedAfterPlug = input.poll(false, frame).togglePause;
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_FALSE(paused);
    EXPECT_FALSE(pausedAfterPlug);
}

TEST(GamepadInput, FirstConnectedGamepadPlaysAndOthersWait) {
    FakeGamepadSource source;
    source.joysticks[3] = {true, "second pad", startHeld()};
    source.joysticks[1] = {true, "first pad", PadState()};
    testing::internal::CaptureStdout();
    GamepadInput input(source);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "gamepad in play: first pad\n");
    EXPECT_FALSE(pollWithLines(input).paused);

    // A pad plugged in while another plays waits its turn.
    source.plugIn(0, {true, "third pad", startHeld()});
    EXPECT_EQ(pollWithLines(input).lines, "");
    source.joysticks[1].state = startHeld();
    EXPECT_TRUE(pollWithLines(input).paused);
}

TEST(GamepadInput, PadsArePickedUpAndDroppedWhileTheGameRuns) {
    FakeGamepadSource source;
    GamepadInput input(source);
    testing::internal::CaptureStdout();
    source.plugIn(2, {true, "pad A", startHeld()});
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "gamepad in play: pad A\n");
    EXPECT_TRUE(pollWithLines(input).paused);

    source.plugIn(5, {true, "pad B", startHeld()});
    testing::internal::CaptureStdout();
    source.pullOut(2);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "gamepad removed: pad A\n");
    // The next pad takes over at the next poll, its buttons counted from released.
    const Frame takeover = pollWithLines(input);
    EXPECT_EQ(takeover.lines, "gamepad in play: pad B\n");
    EXPECT_TRUE(takeover.paused);

    // Removing a pad that is not playing changes nothing.
    source.plugIn(7, {true, "pad C", PadState()});
    testing::internal::CaptureStdout();
    source.pullOut(7);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");

    testing::internal::CaptureStdout();
    source.pullOut(5);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "gamepad removed: pad B\n");
    const Frame alone = pollWithLines(input);
    EXPECT_EQ(alone.lines, "");
    EXPECT_FALSE(alone.paused);
}

TEST(GamepadInput, PadThatCannotBeReadCountsAsReleased) {
    FakeGamepadSource source;
    source.joysticks[0] = {true, "pad", startHeld()};
    testing::internal::CaptureStdout();
    GamepadInput input(source);
    testing::internal::GetCapturedStdout();
    EXPECT_TRUE(input.poll(false, frame).togglePause);
    source.joysticks[0].state.reset();
    EXPECT_FALSE(input.poll(false, frame).togglePause);
    source.joysticks[0].state = startHeld();
    EXPECT_TRUE(input.poll(false, frame).togglePause);
}

TEST(GamepadInput, PlayersMappingsAreAddedBeforeThePadsAreLookedFor) {
    const char* mapping = "03000000aaaa0000bbbb000000000000,My Pad,a:b0,start:b7,platform:Linux,";
    FakeGamepadSource source;
    source.joysticks[4] = {true, "My Pad", PadState(), true};
    {
        const TestSupport::ScopedEnvironment players("SDL_GAMECONTROLLERCONFIG", mapping);
        testing::internal::CaptureStdout();
        GamepadInput input(source);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "gamepad in play: My Pad\n");
        ASSERT_EQ(source.addedMappings.size(), 1u);
        EXPECT_EQ(source.addedMappings[0], mapping);
        EXPECT_TRUE(source.watcher);
    }
    // Gone, the input stops watching: GLFW would otherwise call into freed memory.
    EXPECT_FALSE(source.watcher);

    for (const char* empty : {"", static_cast<const char*>(nullptr)}) {
        FakeGamepadSource plain;
        const TestSupport::ScopedEnvironment none("SDL_GAMECONTROLLERCONFIG", empty);
        GamepadInput input(plain);
        EXPECT_TRUE(plain.addedMappings.empty());
    }
}

TEST(GlfwGamepadSource, ReadsEachButtonAndAxisFromItsPlaceInGlfwsLayout) {
    GLFWgamepadstate released{};
    const float axes[] = {0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f};
    std::copy(std::begin(axes), std::end(axes), released.axes);
    const PadState sticks = GlfwGamepadSource::padStateOf(released);
    EXPECT_EQ((std::vector<float>{sticks.leftX, sticks.leftY, sticks.rightX, sticks.rightY,
                                  sticks.leftTrigger, sticks.rightTrigger}),
              std::vector<float>(std::begin(axes), std::end(axes)));

    const auto buttonsOf = [](const PadState& state) {
        return std::vector<bool>{state.south,        state.back,          state.start,
                                 state.leftShoulder, state.rightShoulder, state.dpadUp,
                                 state.dpadDown,     state.dpadLeft,      state.dpadRight};
    };
    EXPECT_EQ(buttonsOf(sticks), std::vector<bool>(9, false));
    const int buttons[] = {
        GLFW_GAMEPAD_BUTTON_A,           GLFW_GAMEPAD_BUTTON_BACK,         GLFW_GAMEPAD_BUTTON_START,
        GLFW_GAMEPAD_BUTTON_LEFT_BUMPER, GLFW_GAMEPAD_BUTTON_RIGHT_BUMPER, GLFW_GAMEPAD_BUTTON_DPAD_UP,
        GLFW_GAMEPAD_BUTTON_DPAD_DOWN,   GLFW_GAMEPAD_BUTTON_DPAD_LEFT,    GLFW_GAMEPAD_BUTTON_DPAD_RIGHT};
    for (int field = 0; field < 9; ++field) {
        GLFWgamepadstate pressed{};
        pressed.buttons[buttons[field]] = GLFW_PRESS;
        std::vector<bool> expected(9, false);
        expected[field] = true;
        EXPECT_EQ(buttonsOf(GlfwGamepadSource::padStateOf(pressed)), expected) << field;
    }
}

} // namespace
} // namespace Velmora
