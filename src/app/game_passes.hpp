#pragma once

namespace Velmora {

struct PadActions;

// The game's set-up, its per-frame update and render passes, and its clean-up, over the shared game state.
void initializeGame();
// After the loss: the world's moving parts back at their start, the shower running again from its beginning.
// The sun, the houses, the lanterns and the toggles stay as they are.
void startNewRound();
// Plays one frame's time: the held keys with the pad's walk and start, and the update pass, once a step (see
// FrameSteps).
void advanceGame(double frameTime, const PadActions& pad);
// One update step of the given length.
void updateGame(double stepTime);
void renderGame();
void cleanUpGame();

} // namespace Velmora
