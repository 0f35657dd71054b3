#pragma once

#include "app/pad_state.hpp"

#include <functional>
#include <optional>
#include <string>

namespace Velmora {

// Where the gamepads are read from: GLFW in the game, a stand-in that a test feeds by hand.
class GamepadSource {
public:
    // Joysticks are numbered from 0; GLFW keeps 16 of them.
    static constexpr int joystickSlots = 16;
    // Told of every joystick that comes (true) or goes (false) while the game runs.
    using ConnectionWatcher = std::function<void(int joystick, bool connected)>;

    virtual ~GamepadSource() = default;
    // Descriptions of pads in the standard layout, in the format of SDL's game controller database.
    virtual void addMappings(const std::string& mappings) = 0;
    // An empty watcher stops the watching.
    virtual void watchConnections(ConnectionWatcher watcher) = 0;
    // Present, and mapped onto the standard layout.
    virtual bool isGamepad(int joystick) const = 0;
    virtual std::string gamepadName(int joystick) const = 0;
    // Nothing for a joystick that is gone or has no mapping.
    virtual std::optional<PadState> readState(int joystick) const = 0;
};

} // namespace Velmora
