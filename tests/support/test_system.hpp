#pragma once

#include <filesystem>
#include <string>

namespace TestSupport {

// What the tests ask of the system they run on, in one file per system.

// Makes a new, empty folder of a unique name in the system's temporary folder.
std::filesystem::path makeTemporaryFolder();

// The environment variable of the folder that holds the player's settings folder, velmora.
extern const char* const userSettingsVariable;

// The exit status a death test sees from a program that ended with status -1.
extern const int fatalExitStatus;

// Pieces of death-test patterns in the regular expressions GoogleTest has on the system: POSIX's extended
// ones on Linux, its own simple ones (no groups, no alternatives, no brackets) on Windows. The start of a
// line (where the simple ones cannot say it, nothing), the text taken literally, a run of characters up to a
// line end, and a decimal number.
extern const char* const lineStartPattern;
std::string literalPattern(const std::string& text);
extern const char* const restOfLinePattern;
extern const char* const numberPattern;

// Sets an environment variable, or removes it for a null value.
void setEnvironmentVariable(const std::string& name, const char* value);

// The game writes its fatal messages to standard output; death tests read standard error, so the dying code's
// output is routed there first.
void routeOutputToErrorStream();

// Ends this process after the given seconds, so that a read that hangs fails its test instead of the suite.
void endAfterSeconds(unsigned seconds);

// Keeps this process's memory within a little more than it uses now, so that a load that reads a huge file
// whole fails here instead of taking the machine's memory.
void limitMemory();

// Makes a named pipe, which waits for a writer when opened; false where the system's files have none.
bool makeFifo(const std::string& path);

// A device file that never ends; empty where the system's files have none.
std::string endlessDevice();

} // namespace TestSupport
