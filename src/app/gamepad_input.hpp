#pragma once

#include "app/gamepad_mapping.hpp"
#include "app/gamepad_source.hpp"

#include <string>

namespace Velmora {

// Lets the first connected gamepad play: one present at the start or plugged in later is picked up, a removed
// one is dropped and the next gamepad still connected takes over. Other joysticks are left alone.
class GamepadInput {
public:
    // Reads the players' own mappings from SDL_GAMECONTROLLERCONFIG first, so that their pads count at once.
    explicit GamepadInput(GamepadSource& source);
    GamepadInput(const GamepadInput&) = delete;
    GamepadInput& operator=(const GamepadInput&) = delete;
    ~GamepadInput();

    // The playing pad's actions for this frame; none without a pad.
    InputActions poll(bool frozen, double frameTime);
    bool playing() const { return playingJoystick != noJoystick; }

private:
    static constexpr int noJoystick = -1;

    void joystickConnected(int joystick);
    void joystickRemoved(int joystick);
    void playFirstGamepad();
    void play(int joystick);

    GamepadSource& source;
    GamepadMapping mapping;
    int playingJoystick = noJoystick;
    // Kept from the start of play: a removed pad no longer has a name to ask for.
    std::string playingName;
    bool seekingNextGamepad = false;
};

} // namespace Velmora
