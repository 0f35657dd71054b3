#pragma once

namespace Velmora {

struct InputActions;

// Applies one update step's actions to the player and the camera: the shower's start, the camera's orbit,
// tilt and zoom, then the walk, which the camera follows. Paused or lost, nothing moves.
void applyActions(const InputActions& actions, double stepTime);

} // namespace Velmora
