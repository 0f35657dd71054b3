#include "platform/console.hpp"

#include "platform/console_backlog.hpp"
#include "platform/fatal_exit.hpp"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <functional>
#include <string>
#include <unistd.h>
#include <utility>

namespace Velmora {
namespace {
void tellLineListener(const std::string& line);
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
    // Whatever a tool printed through stdio goes out before the line.
    std::fflush(stdout);
    ConsoleBacklog::standardOutput().add(line);
    tellLineListener(line);
}

void fatalError(const std::string& message) {
    printLine(message);
    exitAfterFatalError();
}

void fatalError(const std::string& message, const std::string& detail) {
    printLine(message);
    printLine(detail);
    exitAfterFatalError();
}

namespace {

std::function<void(const std::string&)> lineListener;
bool printingFrameLine = false;

void tellLineListener(const std::string& line) {
    if (lineListener && !printingFrameLine) {
        lineListener(line);
    }
}

} // namespace

void setLineListener(std::function<void(const std::string&)> listener) {
    lineListener = std::move(listener);
}

void printFrameLine(const std::string& line) {
    printingFrameLine = true;
    printLine(line);
    printingFrameLine = false;
}

} // namespace Velmora
