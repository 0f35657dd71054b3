#pragma once

namespace Velmora {

struct InputActions;

// The game's set-up, its per-frame update and render passes, and its clean-up, over the shared game state.
void initializeGame();
// Plays one frame's time, once a step (see FrameSteps): the actions of the keys, the mouse and the pad, then
// the update pass.
void advanceGame(double frameTime, const InputActions& pad);
// One update step of the given length.
void updateGame(double stepTime);
void renderGame();
void cleanUpGame();

} // namespace Velmora
