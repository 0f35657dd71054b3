#include "platform/lost_display.hpp"

namespace Velmora {

// Windows has no display server of its own to lose: the desktop outlives the program, and a window that goes
// away closes through GLFW like any other.
void endGameOnLostDisplay() {}

} // namespace Velmora
