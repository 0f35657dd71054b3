#include "platform/console.hpp"

#include "platform/console_backlog.hpp"
#include "platform/fatal_exit.hpp"

#include <cstdio>
#include <functional>
#include <string>
#include <utility>

namespace Velmora {
namespace {
void tellLineListener(const std::string& line);
} // namespace

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
