#include "app/input_actions.hpp"

namespace Velmora {

InputActions InputActions::combinedWith(const InputActions& other) const {
    InputActions combined;
    combined.walk = walk.combinedWith(other.walk);
    combined.startShower = startShower || other.startShower;
    combined.togglePause = togglePause || other.togglePause;
    combined.quit = quit || other.quit;
    combined.startRound = startRound || other.startRound;
    combined.orbit = orbit + other.orbit;
    combined.tilt = tilt + other.tilt;
    combined.zoom = zoom + other.zoom;
    return combined;
}

InputActions InputActions::forLaterSteps() const {
    InputActions later;
    later.walk = walk;
    return later;
}

} // namespace Velmora
