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
         "as "
         "well, for a few seconds each. The desktop entry starts the game with this option."},
        {"help", 'h', "print this help and exit",
         "Print the usage, the controls and where the settings files are read from, then exit."},
        {"version", 'v', "print the version and exit", "Print the version, then exit."},
    };
    return rows;
}

} // namespace Velmora
