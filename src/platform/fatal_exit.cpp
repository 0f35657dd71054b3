#include "platform/fatal_exit.hpp"

#include "platform/console_backlog.hpp"

#include <cstdlib>
#include <iostream>
#include <string>
#include <unistd.h>

namespace Velmora {
namespace {

// The console waits so that the message stays readable, but only when a person is at the terminal: scripts
// and tests with no terminal on standard input must never hang.
void pauseConsole() {
    if (isatty(STDIN_FILENO) == 0) {
        return;
    }
    std::string ignored;
    std::getline(std::cin, ignored);
}

} // namespace

void exitAfterFatalError() {
    ConsoleBacklog::standardOutput().drainBeforeExit();
    pauseConsole();
    std::cout.flush();
    // No clean-up runs after a fatal error: the GL context and the game objects are left to the system.
    std::_Exit(-1);
}

} // namespace Velmora
