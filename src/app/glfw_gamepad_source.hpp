#pragma once

#include "app/gamepad_source.hpp"

struct GLFWgamepadstate;

namespace Velmora {

// The game's gamepads through GLFW's gamepad functions and its built-in mapping database.
class GlfwGamepadSource : public GamepadSource {
public:
    static PadState padStateOf(const GLFWgamepadstate& glfwState);

    void addMappings(const std::string& mappings) override;
    void watchConnections(ConnectionWatcher watcher) override;
    bool isGamepad(int joystick) const override;
    std::string gamepadName(int joystick) const override;
    std::optional<PadState> readState(int joystick) const override;
};

} // namespace Velmora
