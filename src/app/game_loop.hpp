#pragma once

namespace Velmora {

// Starts the game, runs frames until Escape or a close request, cleans up; returns the process exit status.
int runGame();

} // namespace Velmora
