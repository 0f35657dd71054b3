#pragma once

namespace Velmora {

// The camera on the +z axis, not yet turned to the player: where a game and every new round start.
void placeCameraAtStart();
// After the round's end: the world's moving parts back at their start, the shower running again from its
// beginning. The sun, the houses, the lanterns and the toggles stay as they are.
void startNewRound();

} // namespace Velmora
