#include "app/gamepad_mapping.hpp"

#include <algorithm>
#include <cmath>

#include <glm/glm.hpp>

namespace Velmora {
namespace {

// tan(22.5 degrees): the stick walks straight within 22.5 degrees of an axis, diagonally between axes.
constexpr float straightSectorTangent = 0.41421356f;

bool wentDown(bool now, bool before) {
    return now && !before;
}

bool isResting(float x, float y) {
    return x * x + y * y <= GamepadMapping::deadZone * GamepadMapping::deadZone;
}

// The sticks report up as negative, the walk counts forward as positive.
WalkIntent stickWalk(float x, float y) {
    WalkIntent intent;
    if (isResting(x, y)) {
        return intent;
    }
    const float forward = -y;
    if (std::abs(forward) > std::abs(x) * straightSectorTangent) {
        intent.forward = forward > 0.0f ? 1 : -1;
    }
    if (std::abs(x) > std::abs(forward) * straightSectorTangent) {
        intent.side = x > 0.0f ? 1 : -1;
    }
    return intent;
}

// The lean past the dead zone, growing from 0 at its edge to 1 at full deflection, so turning starts gently.
glm::vec2 leanPastDeadZone(float x, float y) {
    if (isResting(x, y)) {
        return glm::vec2(0.0f);
    }
    const float length = std::sqrt(x * x + y * y);
    const float lean =
        std::min((length - GamepadMapping::deadZone) / (1.0f - GamepadMapping::deadZone), 1.0f);
    return glm::vec2(x, y) * (lean / length);
}

// GLFW reports 0 for a trigger that a pad lacks, so only the travel past the middle counts.
float triggerPull(float axis) {
    return std::clamp((axis - GamepadMapping::deadZone) / (1.0f - GamepadMapping::deadZone), 0.0f, 1.0f);
}

float zoomPull(const PadState& state) {
    const float zoomIn = std::max(state.rightShoulder ? 1.0f : 0.0f, triggerPull(state.rightTrigger));
    const float zoomOut = std::max(state.leftShoulder ? 1.0f : 0.0f, triggerPull(state.leftTrigger));
    return zoomIn - zoomOut;
}

} // namespace

InputActions GamepadMapping::next(const PadState& state, bool frozen, double frameTime) {
    InputActions actions;
    actions.togglePause = wentDown(state.start, previous.start);
    actions.quit = wentDown(state.back, previous.back);
    const bool southWentDown = wentDown(state.south, previous.south);
    actions.startRound = southWentDown;
    previous = state;
    if (frozen) {
        return actions;
    }
    actions.startShower = southWentDown;
    actions.walk = stickWalk(state.leftX, state.leftY)
                       .combinedWith(WalkIntent::fromKeys(state.dpadUp, state.dpadDown, state.dpadLeft,
                                                          state.dpadRight));
    const float seconds = static_cast<float>(frameTime);
    const glm::vec2 lean = leanPastDeadZone(state.rightX, state.rightY);
    // The mouse's offset is the centre less the cursor: a move, like a lean, to the right is negative.
    actions.orbit = -lean.x * orbitPixelsPerSecond * seconds;
    actions.tilt = lean.y * tiltPixelsPerSecond * seconds;
    actions.zoom = zoomPull(state) * zoomWheelUnitsPerSecond * seconds;
    return actions;
}

} // namespace Velmora
