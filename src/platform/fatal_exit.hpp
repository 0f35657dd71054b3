#pragma once

namespace Velmora {

// The last step of every fatal error: the console pause, then exit status -1 with no clean-up. It lives in a
// file of its own so that a program that must live through fatal errors (a fuzz target) can link its own
// definition in its place.
[[noreturn]] void exitAfterFatalError();

} // namespace Velmora
