#pragma once

namespace Velmora {

// Starts the game with the options given (--fullscreen, --window, --on-screen-messages); answers --help and
// --version on standard output. An unknown option or any other argument is named on standard error with a
// pointer to --help. Returns the process exit status: 2 for a refused argument, 1 when the answer could not
// be written.
int runCommandLine(int argc, const char* const* argv);

} // namespace Velmora
