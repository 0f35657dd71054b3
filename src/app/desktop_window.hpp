#pragma once

namespace Velmora {

// What a desktop expects of the game's window beyond the game itself: a class that matches it to its desktop
// entry, an icon for docks and task switchers, and fullscreen at the player's call.

// Window hints for the next window created: class and instance name "velmora".
void nameWindowClass();
// The icon the build draws, in the sizes a desktop picks from; needs the image library initialised.
void setWindowIcon();
// Between the window and fullscreen on the monitor the window is on, at that monitor's current mode.
void toggleFullscreen();

} // namespace Velmora
