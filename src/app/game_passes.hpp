#pragma once

namespace Velmora {

// The game's set-up, its per-frame update and render passes, and its clean-up, over the shared game state.
void initializeGame();
void updateGame();
void renderGame();
void cleanUpGame();

} // namespace Velmora
