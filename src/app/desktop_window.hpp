#pragma once

namespace Velmora {

// What a desktop expects of the game's window beyond the game itself: a class that matches it to its desktop
// entry, an icon for docks and task switchers, and fullscreen at the player's call.

// Window hints for the next window created: class and instance name "velmora".
void nameWindowClass();
// The icon the build draws, in the sizes a desktop picks from; needs the image library initialised.
void setWindowIcon();
// The size the window takes when a game that started fullscreen leaves it, centred on its monitor: the
// settings file's, never the fullscreen size the window reports meanwhile.
void keepWindowedSize(int width, int height);
// Between the window and fullscreen on the monitor the window is on, at that monitor's current mode. Back
// in a window, it takes the place and size it had before; a press while the last switch is still under way
// is ignored.
void toggleFullscreen();

} // namespace Velmora
