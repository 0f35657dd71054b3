#include "app/gamepad_input.hpp"

#include "platform/console.hpp"

#include <cstdlib>

namespace Velmora {

GamepadInput::GamepadInput(GamepadSource& source) : source(source) {
    // Players describe the pads that GLFW does not know in SDL's variable, whose format GLFW reads too.
    const char* mappings = std::getenv("SDL_GAMECONTROLLERCONFIG");
    if (mappings != nullptr && *mappings != '\0') {
        source.addMappings(mappings);
    }
    source.watchConnections([this](int joystick, bool connected) {
        if (connected) {
            joystickConnected(joystick);
        } else {
            joystickRemoved(joystick);
        }
    });
    playFirstGamepad();
}

GamepadInput::~GamepadInput() {
    source.watchConnections(nullptr);
}

InputActions GamepadInput::poll(bool frozen, double frameTime) {
    if (seekingNextGamepad) {
        seekingNextGamepad = false;
        playFirstGamepad();
    }
    // A pad that is gone before its removal is reported reads as released, like no pad at all.
    const PadState state =
        playingJoystick == noJoystick ? PadState() : source.readState(playingJoystick).value_or(PadState());
    return mapping.next(state, frozen, frameTime);
}

void GamepadInput::joystickConnected(int joystick) {
    if (playingJoystick == noJoystick && source.isGamepad(joystick)) {
        play(joystick);
    }
}

void GamepadInput::joystickRemoved(int joystick) {
    if (joystick != playingJoystick) {
        return;
    }
    printLine("gamepad removed: " + playingName);
    playingJoystick = noJoystick;
    // GLFW still holds the removed joystick while it reports the removal, so the next pad is sought later.
    seekingNextGamepad = true;
}

void GamepadInput::playFirstGamepad() {
    for (int joystick = 0; joystick < GamepadSource::joystickSlots; ++joystick) {
        if (source.isGamepad(joystick)) {
            return play(joystick);
        }
    }
}

void GamepadInput::play(int joystick) {
    playingJoystick = joystick;
    playingName = source.gamepadName(joystick);
    // Buttons follow the new pad from released, as the keys do when the game starts.
    mapping = GamepadMapping();
    printLine("gamepad in play: " + playingName);
}

} // namespace Velmora
