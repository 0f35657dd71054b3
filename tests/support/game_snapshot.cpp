#include "support/game_snapshot.hpp"

#include "app/game_state.hpp"
#include "app/game_window.hpp"
#include "app/input.hpp"
#include "math/camera.hpp"
#include "world/asteroid_spawner.hpp"
#include "world/life_power_up.hpp"
#include "world/player.hpp"
#include "world/shield_power_up.hpp"
#include "world/speed_power_up.hpp"

#include <GLFW/glfw3.h>
#include <algorithm>
#include <gtest/gtest.h>

using namespace Velmora;

namespace TestSupport {
namespace {

// Every flag of the game's shared state, in one fixed order.
std::array<bool*, GameSnapshot::flagCount> gameFlags() {
    return {&planetDepthFirst,      &mipmappingEnabled, &transparencyEnabled, &sunMovementEnabled,
            &frustumCullingEnabled, &wireframeMode,     &showFramerate,       &gamePaused,
            &nearestSampling,       &edgeMode,          &printRenderedCount,  &backfaceCulling,
            &asteroidsStarted,      &gameLost,          &skipHiddenRocks,     &onScreenMessages,
            &controlsCardShown};
}

void pressKey(int key) {
    testing::internal::CaptureStdout();
    keyCallback(window, key, 0, GLFW_PRESS, 0);
    testing::internal::GetCapturedStdout();
}

} // namespace

GameSnapshot::GameSnapshot()
    : frameTime(deltaTime), windowSize(windowWidth, windowHeight), cameraTransform(camera->worldTransform),
      frustum(*camera->frustum), sun(sunDirection), swingAngle(player->swingAngle),
      swingDirection(player->swingDirection), lives(player->lives), speed(player->speed),
      shieldActive(player->shieldActive),
      speedFactor(speedPowerUp->speedFactor), speedEffect{speedPowerUp->effectTime,
                                                          speedPowerUp->effectDuration},
      shieldEffect{shieldPowerUp->effectTime, shieldPowerUp->effectDuration},
      showerTime(asteroids->shower->elapsedTime) {
    const std::array<bool*, flagCount> gameFlagList = gameFlags();
    std::transform(gameFlagList.begin(), gameFlagList.end(), flags.begin(),
                   [](const bool* flag) { return *flag; });
    for (size_t i = 0; i < playerParts.size(); ++i) {
        playerParts[i] = player->parts()[i]->transform();
    }
    for (size_t i = 0; i < items.size(); ++i) {
        const Logicals::PowerUp& item = *powerUps()[i];
        items[i] = {item.model->modelMatrix, item.spawned,   item.collected,
                    item.spawnRate,          item.bobOffset, item.bobDirection};
    }
}

void GameSnapshot::restore() const {
    restoreSampling();
    const std::array<bool*, flagCount> gameFlagList = gameFlags();
    for (size_t i = 0; i < flagCount; ++i) {
        *gameFlagList[i] = flags[i];
    }
    deltaTime = frameTime;
    restoreWindowAndCamera();
    sunDirection = sun;
    restorePlayer();
    restoreItems();
    // The tests' game is set up with no shower configured, so no asteroid falls at the start.
    asteroids->shower->removeAll();
    asteroids->shower->elapsedTime = showerTime;
}

bool GameSnapshot::atStart(const bool& flag) const {
    const std::array<bool*, flagCount> gameFlagList = gameFlags();
    const auto found = std::find(gameFlagList.begin(), gameFlagList.end(), &flag);
    return flags[static_cast<size_t>(found - gameFlagList.begin())];
}

void GameSnapshot::restoreSampling() const {
    if (nearestSampling != atStart(nearestSampling)) {
        pressKey(GLFW_KEY_F4);
        // The sampling key sets both filters to the plain one; the mip-mapping key sets the minification
        // again.
        pressKey(GLFW_KEY_F5);
    }
    if (mipmappingEnabled != atStart(mipmappingEnabled)) {
        pressKey(GLFW_KEY_F5);
    }
}

void GameSnapshot::restoreWindowAndCamera() const {
    windowSizeCallback(window, windowSize.x, windowSize.y);
    camera->worldTransform = cameraTransform;
    *camera->frustum = frustum;
}

void GameSnapshot::restorePlayer() const {
    for (size_t i = 0; i < playerParts.size(); ++i) {
        player->parts()[i]->setTransform(playerParts[i]);
    }
    player->swingAngle = swingAngle;
    player->swingDirection = swingDirection;
    player->lives = lives;
    player->speed = speed;
    player->shieldActive = shieldActive;
}

void GameSnapshot::restoreItems() const {
    for (size_t i = 0; i < items.size(); ++i) {
        Logicals::PowerUp& item = *powerUps()[i];
        item.model->modelMatrix = items[i].modelMatrix;
        item.spawned = items[i].spawned;
        item.collected = items[i].collected;
        item.spawnRate = items[i].spawnRate;
        item.bobOffset = items[i].bobOffset;
        item.bobDirection = items[i].bobDirection;
    }
    speedPowerUp->speedFactor = speedFactor;
    speedPowerUp->effectTime = speedEffect.time;
    speedPowerUp->effectDuration = speedEffect.duration;
    shieldPowerUp->effectTime = shieldEffect.time;
    shieldPowerUp->effectDuration = shieldEffect.duration;
}

} // namespace TestSupport
