#include "app/options_table.hpp"

namespace Velmora {

const std::vector<OptionRow>& optionRows() {
    static const std::vector<OptionRow> rows = {
        {"fullscreen", 'f', "play fullscreen, whatever fullscreenConfig.txt says",
         "Play fullscreen, whatever the first line of fullscreenConfig.txt says."},
        {"window", 'w', "play in a window, whatever fullscreenConfig.txt says",
         "Play in a window, whatever the first line of fullscreenConfig.txt says."},
        {"on-screen-messages", 'm', "show the lines of play in the window too",
         "Show the lines of play (the toggles, the pause, the losing line, the gamepad lines) in the window "
         "as well, for a few seconds each, with a line that stays while the game waits to start, is paused "
         "or "
         "has ended and says what to press next. With this option F1 also pauses the game while the card is "
         "up, a round also ends when the whole shower has fallen with lives to spare, and the round's time "
         "is "
         "told against the best time, kept between runs (see FILES). The desktop entry starts the game with "
         "this option."},
        {"help", 'h', "print this help and exit",
         "Print the usage, the controls and where the settings files are read from, then exit."},
        {"version", 'v', "print the version and exit", "Print the version, then exit."},
    };
    return rows;
}

} // namespace Velmora
