#include "support/game_snapshot.hpp"

#include "app/game_state.hpp"
#include "app/game_window.hpp"
#include "app/input.hpp"
#include "math/camera.hpp"
#include "world/world_object.hpp"

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
            &controlsCardShown,     &gameSurvived};
}

void pressKey(int key) {
    testing::internal::CaptureStdout();
    keyCallback(window, key, 0, GLFW_PRESS, 0);
    testing::internal::GetCapturedStdout();
}

} // namespace

GameSnapshot::GameSnapshot()
    : frameTime(deltaTime), windowSize(windowWidth, windowHeight), cameraTransform(camera->worldTransform),
      frustum(*camera->frustum), sun(sunDirection) {
    const std::array<bool*, flagCount> gameFlagList = gameFlags();
    std::transform(gameFlagList.begin(), gameFlagList.end(), flags.begin(),
                   [](const bool* flag) { return *flag; });
    for (const WorldEntry& entry : worldObjects()) {
        worldObjectStates.push_back(entry.object->keepState());
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
    for (const std::function<void()>& restoreObject : worldObjectStates) {
        restoreObject();
    }
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

} // namespace TestSupport
