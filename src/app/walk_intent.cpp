#include "app/walk_intent.hpp"

#include <algorithm>

namespace Velmora {

WalkIntent WalkIntent::fromKeys(bool forwardKey, bool backwardKey, bool leftKey, bool rightKey) {
    WalkIntent intent;
    intent.forward = (forwardKey ? 1 : 0) - (backwardKey ? 1 : 0);
    intent.side = (rightKey ? 1 : 0) - (leftKey ? 1 : 0);
    return intent;
}

WalkIntent WalkIntent::combinedWith(const WalkIntent& other) const {
    WalkIntent combined;
    combined.forward = std::clamp(forward + other.forward, -1, 1);
    combined.side = std::clamp(side + other.side, -1, 1);
    return combined;
}

int WalkIntent::diagonalCode() const {
    if (side < 0) {
        return forward > 0 ? 1 : 2;
    }
    return forward > 0 ? 3 : 4;
}

} // namespace Velmora
