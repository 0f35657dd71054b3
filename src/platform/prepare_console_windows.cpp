#include "platform/console.hpp"

#include <windows.h>

namespace Velmora {

void prepareConsole() {
    // The game's lines are UTF-8, paths with letters such as "ë" among them; the console shows them as such.
    SetConsoleOutputCP(CP_UTF8);
}

} // namespace Velmora
