#pragma once

namespace Velmora {

// The game's set-up, its per-frame update and render passes, and its clean-up, over the shared game state.
void initializeGame();
// Plays one frame's time: the held keys and the update pass, once a step (see FrameSteps).
void advanceGame(double frameTime);
// One update step of the given length.
void updateGame(double stepTime);
void renderGame();
void cleanUpGame();

} // namespace Velmora
