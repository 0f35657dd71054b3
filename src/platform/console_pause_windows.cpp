#include "platform/console_pause.hpp"

#include <cstdlib>
#include <windows.h>

namespace Velmora {

void pauseConsole() {
    DWORD mode = 0;
    if (GetConsoleMode(GetStdHandle(STD_INPUT_HANDLE), &mode) == 0) {
        return;
    }
    // The command interpreter's own pause: its prompt, and any key goes on.
    std::system("PAUSE");
}

} // namespace Velmora
