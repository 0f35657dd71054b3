#include "platform/console.hpp"

#include "platform/fatal_exit.hpp"

#include <iostream>
#include <string>

namespace Velmora {

void printLine(const std::string& line) {
    std::cout << line << std::endl;
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

} // namespace Velmora
