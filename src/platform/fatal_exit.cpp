#include "platform/fatal_exit.hpp"

#include "platform/console_backlog.hpp"
#include "platform/console_pause.hpp"

#include <cstdlib>
#include <iostream>

namespace Velmora {

void exitAfterFatalError() {
    ConsoleBacklog::standardOutput().drainBeforeExit();
    pauseConsole();
    std::cout.flush();
    // No clean-up runs after a fatal error: the GL context and the game objects are left to the system.
    std::_Exit(-1);
}

} // namespace Velmora
