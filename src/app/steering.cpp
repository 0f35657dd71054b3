#include "app/steering.hpp"

#include "app/game_state.hpp"
#include "app/input.hpp"
#include "app/input_actions.hpp"
#include "math/camera.hpp"
#include "world/decoration_items.hpp"
#include "world/player.hpp"

namespace Velmora {
namespace {

// Exactly one step per update step; the camera then swings about the same axis so it keeps its place behind
// the player.
void walk(const WalkIntent& intent, double stepTime) {
    const float speed = player->speed;
    const glm::vec3 cameraPosition = camera->position();
    const ObstaclePositions& obstacles = decorationItems->obstaclePositions();
    glm::vec3 axis(0.0f);
    float cameraAngle = 0.0f;
    if (intent.isDiagonal()) {
        player->moveDiagonally(axis, cameraPosition, intent.diagonalCode(), speed, stepTime, obstacles);
        cameraAngle = speed;
    } else if (intent.forward != 0) {
        cameraAngle = static_cast<float>(intent.forward) * speed;
        player->moveForward(axis, cameraPosition, cameraAngle, stepTime, obstacles);
    } else if (intent.side != 0) {
        cameraAngle = static_cast<float>(intent.side) * speed;
        player->moveSideways(axis, cameraPosition, cameraAngle, stepTime, obstacles);
    } else {
        return;
    }
    camera->rotateCamera(cameraAngle, stepTime, axis);
}

// The mouse's steps, in its units: pixels left of and below the window's centre, and wheel units.
void orbitCamera(float dx) {
    if (dx != 0.0f) {
        camera->rotateCamera(dx * 0.15f, 1.0, player->position());
    }
}

void tiltCamera(float dy) {
    if (dy != 0.0f) {
        camera->tiltCamera(player->position(), dy, 0.25f);
    }
}

void zoomCamera(double wheelUnits) {
    if (wheelUnits != 0.0) {
        camera->zoomCamera(player->position(), static_cast<float>(wheelUnits * 0.05));
    }
}

} // namespace

void applyActions(const InputActions& actions, double stepTime) {
    if (steeringFrozen()) {
        return;
    }
    if (actions.startShower) {
        asteroidsStarted = true;
    }
    orbitCamera(actions.orbit);
    tiltCamera(actions.tilt);
    zoomCamera(actions.zoom);
    walk(actions.walk, stepTime);
}

} // namespace Velmora
