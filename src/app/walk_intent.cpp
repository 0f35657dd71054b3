#include "app/walk_intent.hpp"

namespace Velmora {

WalkIntent WalkIntent::fromKeys(bool forwardKey, bool backwardKey, bool leftKey, bool rightKey) {
    WalkIntent intent;
    intent.forward = (forwardKey ? 1 : 0) - (backwardKey ? 1 : 0);
    intent.side = (rightKey ? 1 : 0) - (leftKey ? 1 : 0);
    return intent;
}

int WalkIntent::diagonalCode() const {
    if (side < 0) {
        return forward > 0 ? 1 : 2;
    }
    return forward > 0 ? 3 : 4;
}

} // namespace Velmora
