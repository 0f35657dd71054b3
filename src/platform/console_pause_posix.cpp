#include "platform/console_pause.hpp"

#include <iostream>
#include <string>
#include <unistd.h>

namespace Velmora {

void pauseConsole() {
    if (isatty(STDIN_FILENO) == 0) {
        return;
    }
    std::string ignored;
    std::getline(std::cin, ignored);
}

} // namespace Velmora
