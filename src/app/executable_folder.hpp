#pragma once

namespace Velmora {

// The run-time folders lie beside the executable; entering its folder makes the game and its tools work from
// wherever they are started.
void enterExecutableFolder();

} // namespace Velmora
