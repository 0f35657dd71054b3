#pragma once

namespace Velmora {

// Makes the loss of the window's display a fatal error of the game's own: one line, "Lost the display!", and
// exit status -1, where the window system's library would print its own lines and end with another status.
// The display is lost when its server goes away or another client destroys the window. GLFW puts the
// library's default back after each use of its own, so the frame loop calls this once a frame.
void endGameOnLostDisplay();

} // namespace Velmora
