#include "platform/lost_display.hpp"

#include "platform/console.hpp"

#include <X11/Xlib.h>

namespace Velmora {
namespace {

[[noreturn]] void loseDisplay() {
    fatalError("Lost the display!");
}

// Errors GLFW expects are caught by its own handler while it waits for them; one that comes here is a request
// on a window or drawable that no longer exists.
int onProtocolError(Display*, XErrorEvent*) {
    loseDisplay();
}

int onBrokenConnection(Display*) {
    loseDisplay();
}

} // namespace

void endGameOnLostDisplay() {
    XSetErrorHandler(onProtocolError);
    XSetIOErrorHandler(onBrokenConnection);
}

} // namespace Velmora
