#include "app/glfw_gamepad_source.hpp"

#include <GLFW/glfw3.h>
#include <utility>

namespace Velmora {
namespace {

static_assert(GamepadSource::joystickSlots == GLFW_JOYSTICK_LAST + 1);

// GLFW's joystick callback carries no pointer of the caller's, so the one watcher lives here.
GamepadSource::ConnectionWatcher connectionWatcher;

void joystickCallback(int joystick, int event) {
    if (connectionWatcher) {
        connectionWatcher(joystick, event == GLFW_CONNECTED);
    }
}

} // namespace

PadState GlfwGamepadSource::padStateOf(const GLFWgamepadstate& glfwState) {
    const auto down = [&glfwState](int button) { return glfwState.buttons[button] == GLFW_PRESS; };
    PadState state;
    state.leftX = glfwState.axes[GLFW_GAMEPAD_AXIS_LEFT_X];
    state.leftY = glfwState.axes[GLFW_GAMEPAD_AXIS_LEFT_Y];
    state.rightX = glfwState.axes[GLFW_GAMEPAD_AXIS_RIGHT_X];
    state.rightY = glfwState.axes[GLFW_GAMEPAD_AXIS_RIGHT_Y];
    state.leftTrigger = glfwState.axes[GLFW_GAMEPAD_AXIS_LEFT_TRIGGER];
    state.rightTrigger = glfwState.axes[GLFW_GAMEPAD_AXIS_RIGHT_TRIGGER];
    state.south = down(GLFW_GAMEPAD_BUTTON_A);
    state.back = down(GLFW_GAMEPAD_BUTTON_BACK);
    state.start = down(GLFW_GAMEPAD_BUTTON_START);
    state.leftShoulder = down(GLFW_GAMEPAD_BUTTON_LEFT_BUMPER);
    state.rightShoulder = down(GLFW_GAMEPAD_BUTTON_RIGHT_BUMPER);
    state.dpadUp = down(GLFW_GAMEPAD_BUTTON_DPAD_UP);
    state.dpadDown = down(GLFW_GAMEPAD_BUTTON_DPAD_DOWN);
    state.dpadLeft = down(GLFW_GAMEPAD_BUTTON_DPAD_LEFT);
    state.dpadRight = down(GLFW_GAMEPAD_BUTTON_DPAD_RIGHT);
    return state;
}

void GlfwGamepadSource::addMappings(const std::string& mappings) {
    // Lines GLFW cannot read are skipped one by one; the rest still count.
    glfwUpdateGamepadMappings(mappings.c_str());
}

void GlfwGamepadSource::watchConnections(ConnectionWatcher watcher) {
    connectionWatcher = std::move(watcher);
    glfwSetJoystickCallback(connectionWatcher ? joystickCallback : nullptr);
}

bool GlfwGamepadSource::isGamepad(int joystick) const {
    return glfwJoystickIsGamepad(joystick) == GLFW_TRUE;
}

std::string GlfwGamepadSource::gamepadName(int joystick) const {
    const char* name = glfwGetGamepadName(joystick);
    return name != nullptr ? name : "";
}

std::optional<PadState> GlfwGamepadSource::readState(int joystick) const {
    GLFWgamepadstate glfwState;
    if (glfwGetGamepadState(joystick, &glfwState) == GLFW_FALSE) {
        return std::nullopt;
    }
    return padStateOf(glfwState);
}

} // namespace Velmora
