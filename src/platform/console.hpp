#pragma once

#include <functional>
#include <string>

namespace Velmora {

// Makes the standard streams safe to write to, whatever the game was started with: a closed descriptor 0, 1
// or 2 is reopened onto /dev/null, and a reader that goes away no longer ends the game. Called first at
// start, before anything else opens a file.
void prepareConsole();

// Every message of the game is one line on standard output, written at once so that it survives a fatal exit,
// or, while the output's reader is not reading, kept in order until it does (see ConsoleBacklog).
void printLine(const std::string& line);

// Ends the program the way every fatal error does: message lines, the console pause, exit status -1.
[[noreturn]] void fatalError(const std::string& message);
[[noreturn]] void fatalError(const std::string& message, const std::string& detail);

// Hears every line printed from then on, such as the window's panel of messages; an empty function stops it.
void setLineListener(std::function<void(const std::string&)> listener);
// A line printed every frame while a debug print is on: it goes to the console alone, never to the listener.
void printFrameLine(const std::string& line);

} // namespace Velmora
