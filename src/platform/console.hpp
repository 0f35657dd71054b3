#pragma once

#include <string>

namespace Velmora {

// Every message of the game is one line on standard output, flushed at once so that it survives a fatal exit.
void printLine(const std::string& line);

// Ends the program the way every fatal error does: message lines, the console pause, exit status -1.
[[noreturn]] void fatalError(const std::string& message);
[[noreturn]] void fatalError(const std::string& message, const std::string& detail);

} // namespace Velmora
