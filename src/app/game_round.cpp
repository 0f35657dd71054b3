#include "app/game_round.hpp"

#include "app/game_state.hpp"
#include "math/camera.hpp"
#include "platform/console.hpp"
#include "world/asteroid_spawner.hpp"
#include "world/player.hpp"
#include "world/power_up.hpp"

namespace Velmora {

void placeCameraAtStart() {
    camera->worldTransform = glm::mat4(1.0f);
    camera->worldTransform[3] = glm::vec4(0.0f, 0.0f, Camera::startDistance, 1.0f);
}

void startNewRound() {
    player->restart();
    for (Logicals::PowerUp* powerUp : powerUps()) {
        powerUp->restart();
    }
    asteroids->shower->restart();
    placeCameraAtStart();
    camera->lookAtTarget(player->position());
    gameLost = false;
    gameSurvived = false;
    printLine("new round");
}

} // namespace Velmora
