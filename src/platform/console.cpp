#include "platform/console.hpp"

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
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

[[noreturn]] void exitAfterPause() {
    pauseConsole();
    std::cout.flush();
    // No clean-up runs after a fatal error: the GL context and the game objects are left to the system.
    std::_Exit(-1);
}

} // namespace

void prepareConsole() {
    // A closed descriptor would be handed to the next file opened, such as the X connection, and every
    // message would then be written into it. Opening takes the lowest free descriptor, so going up from 0
    // fills each gap in turn; without a /dev/null there is nothing better to fill it with.
    for (int descriptor = STDIN_FILENO; descriptor <= STDERR_FILENO; ++descriptor) {
        if (fcntl(descriptor, F_GETFD) == -1) {
            open("/dev/null", O_RDWR);
        }
    }
    // The console is only for messages: once its reader is gone, writes fail and what they carried is
    // dropped.
    std::signal(SIGPIPE, SIG_IGN);
}

void printLine(const std::string& line) {
    std::cout << line << std::endl;
}

void fatalError(const std::string& message) {
    printLine(message);
    exitAfterPause();
}

void fatalError(const std::string& message, const std::string& detail) {
    printLine(message);
    printLine(detail);
    exitAfterPause();
}

} // namespace Velmora
