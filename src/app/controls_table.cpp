#include "app/controls_table.hpp"

namespace Velmora {

const std::vector<ControlRow>& controlRows() {
    static const std::vector<ControlRow> rows = {
        {"W A S D", "left stick or d-pad", "walk, relative to the camera"},
        {"mouse", "right stick sideways", "orbit the camera"},
        {"middle button + mouse", "right stick up and down", "tilt the camera"},
        {"wheel", "right shoulder or trigger in, left out", "zoom"},
        {"Enter", "A", "start the shower; after losing, a new round"},
        {"Space", "Start", "pause and continue"},
        {"Escape", "Back", "quit"},
        {"F1", "", "show or hide the controls card"},
        {"Alt+Enter", "", "window or fullscreen"},
        {"F2", "", "print the frame rate every frame"},
        {"F3", "", "wireframe"},
        {"F4", "", "nearest or linear texture sampling"},
        {"F5", "", "mip-mapping on or off"},
        {"F6", "", "edge mode: the outlines alone, dark on white"},
        {"F7", "", "print the number of drawn objects every frame"},
        {"F8", "", "view-frustum culling on or off"},
        {"F9", "", "transparency on or off"},
        {"F10", "", "sun movement on or off"},
        {"F11", "", "face culling on or off"},
    };
    return rows;
}

} // namespace Velmora
