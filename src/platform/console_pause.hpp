#pragma once

namespace Velmora {

// The console waits so that a fatal message stays readable, but only when a person is at it: scripts and
// tests with no console on standard input must never hang.
void pauseConsole();

} // namespace Velmora
