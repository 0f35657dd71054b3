#include "app/controls_table.hpp"

namespace Velmora {

const std::vector<ControlRow>& controlRows() {
    static const std::vector<ControlRow> rows = {
        {"W A S D", "left stick or d-pad", "walk"},
        {"mouse", "right stick, left and right", "orbit the camera"},
        {"middle button + mouse", "right stick, up and down", "tilt the camera"},
        {"wheel", "right shoulder or trigger in, left out", "zoom"},
        {"Enter", "A", "start the shower"},
        {"Space", "Start", "pause"},
        {"Escape", "Back", "quit"},
        {"F1", "", "controls card"},
        {"Alt+Enter", "", "window or fullscreen"},
        {"F2\u2026F11", "", "debug toggles (see README)"},
    };
    return rows;
}

} // namespace Velmora
