#pragma once

namespace Velmora {

struct LaunchOptions;

// Starts the game, runs frames until Escape or a close request, cleans up; returns the process exit status.
int runGame(const LaunchOptions& options);

} // namespace Velmora
