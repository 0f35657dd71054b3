#pragma once

namespace Velmora {

// Plays the real game, frames rendered, at a fixed frame time with the player standing still under a dense
// shower (5,000 rocks in 2 s, about 25 of them through the player's reach), until the game is lost or 10 s of
// play have passed. The game prints its own losing line; a last line tells the lives left and the time
// played.
void runStandingShower(double frameTime);

} // namespace Velmora
