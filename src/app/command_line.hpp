#pragma once

namespace Velmora {

// Starts the game when there is no argument; answers --help and --version on standard output, and refuses any
// other argument with a usage line on standard error. Returns the process exit status: 2 for a refused
// argument.
int runCommandLine(int argc, const char* const* argv);

} // namespace Velmora
