#pragma once

#include <cstddef>

namespace Velmora {

// Standard output's descriptor on every system the game runs on.
constexpr int standardOutputDescriptor = 1;

// Writes what the output takes now without waiting and returns how many bytes it took: all, fewer, or none
// when it would have to wait. A failed output (no reader, a full disk) counts as having taken everything, as
// lines to it are lost anyway.
std::size_t writeWithoutWaiting(int descriptor, const char* text, std::size_t length);

// Waits up to patienceMs for what the output took to be written out, for a system that writes it later.
void finishOutput(int descriptor, int patienceMs);

} // namespace Velmora
