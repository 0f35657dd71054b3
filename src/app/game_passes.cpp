#include "app/game_passes.hpp"

#include "app/game_round.hpp"
#include "app/game_state.hpp"
#include "app/game_window.hpp"
#include "app/input.hpp"
#include "app/input_actions.hpp"
#include "app/on_screen_text.hpp"
#include "app/render_step_timer.hpp"
#include "app/round_end.hpp"
#include "app/steering.hpp"
#include "math/camera.hpp"
#include "platform/console.hpp"
#include "postfx/bloom.hpp"
#include "postfx/edge_detection.hpp"
#include "postfx/scene_framebuffer.hpp"
#include "render/shadow_blur.hpp"
#include "render/shadow_map.hpp"
#include "world/asteroid_spawner.hpp"
#include "world/decoration_items.hpp"
#include "world/frame_steps.hpp"
#include "world/hearts_display.hpp"
#include "world/life_power_up.hpp"
#include "world/planet.hpp"
#include "world/player.hpp"
#include "world/shield_power_up.hpp"
#include "world/sky_cube.hpp"
#include "world/speed_power_up.hpp"
#include "world/sun.hpp"
#include "world/world_object.hpp"

#include <GL/glew.h>
#include <GLFW/glfw3.h>
#include <cstring>
#include <sstream>

namespace Velmora {
namespace {

// The render steps on either side of the scene's, whose steps come from the world's registration.
constexpr const char* shadowPassStep = "shadow pass";
constexpr const char* shadowBlurStep = "shadow blur";
constexpr const char* edgesStep = "edges";
constexpr const char* bloomStep = "bloom";
constexpr const char* compositeStep = "composite and hearts";

void setFixedGlState() {
    glEnable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}

void createCamera() {
    camera = std::make_unique<Camera>();
    camera->setGamePerspective(windowWidth, windowHeight);
    placeCameraAtStart();
}

void createWorld() {
    shadowMap = std::make_unique<ShadowMap>();
    screenQuad = std::make_unique<SceneFramebuffer>();
    skyCube = std::make_unique<SkyCube>();
    planet = std::make_unique<Planet>();
    player = std::make_unique<Player>();
    decorationItems = std::make_unique<DecorationItems>(player->position());
    asteroids = std::make_unique<AsteroidSpawner>(asteroidSpawnRate, asteroidSpawnDuration);
    asteroids->groundRadius = planet->solidRadius();
    speedPowerUp = std::make_unique<Logicals::SpeedPowerUp>();
    lifePowerUp = std::make_unique<Logicals::LifePowerUp>();
    shieldPowerUp = std::make_unique<Logicals::ShieldPowerUp>();
}

void createHearts() {
    hearts = std::make_unique<HeartsDisplay>();
    hearts->setWindowSize(static_cast<float>(windowWidth), static_cast<float>(windowHeight));
}

// Every lit model gets the lanterns' lights once; they never move.
void handOutPointLights() {
    const PointLightArrays lights = decorationItems->pointLights();
    for (const WorldEntry& entry : worldObjects()) {
        entry.object->uploadMaterialAndLights(lights);
    }
}

void registerCallbacks() {
    glfwSetScrollCallback(window, scrollCallback);
    glfwSetCursorPosCallback(window, cursorPosCallback);
    glfwSetWindowSizeCallback(window, windowSizeCallback);
    glfwSetKeyCallback(window, keyCallback);
    glfwSetWindowFocusCallback(window, windowFocusCallback);
    glfwSetWindowIconifyCallback(window, windowIconifyCallback);
    // A window that opens without focus gets no event that says so.
    windowFocusCallback(window, glfwGetWindowAttrib(window, GLFW_FOCUSED));
}

glm::vec3 frameLightVector(double stepTime) {
    if (sunMovementEnabled) {
        return advanceSun(sunDirection, glm::vec3(0.0f, 1.0f, 0.0f), 10.0f, stepTime);
    }
    return sunDirection;
}

void spawnCollectAndExpirePowerUps(double stepTime) {
    for (Logicals::PowerUp* powerUp : powerUps()) {
        powerUp->rollSpawn(stepTime, *player, *decorationItems);
        powerUp->checkCollect(*player);
        powerUp->updateEffect(*player, stepTime);
    }
}

void updateModels(const glm::vec3& light, double stepTime) {
    const FrameUniforms frame{light, *camera, *shadowMap, player->position(), stepTime};
    for (const WorldEntry& entry : worldObjects()) {
        entry.object->update(frame);
    }
}

void finishStep(const char* step) {
    if (renderStepTimer != nullptr) {
        renderStepTimer->stepFinished(step);
    }
}

void updateShadowMatrices(const glm::vec3& light) {
    for (const WorldEntry& entry : worldObjects()) {
        entry.object->updateShadowMatrices(light, *shadowMap);
    }
}

void renderShadowPass() {
    shadowMap->bindCleared();
    for (const WorldEntry& entry : worldObjects()) {
        entry.object->drawShadows();
    }
    finishStep(shadowPassStep);
    shadowBlur->blur(shadowMap->depthTexture, screenQuad->quad->vao, screenQuad->quad->indexCount);
    finishStep(shadowBlurStep);
}

void setFaceCulling(bool on) {
    if (on) {
        glEnable(GL_CULL_FACE);
    } else {
        glDisable(GL_CULL_FACE);
    }
}

// The backface-culling key acts on the world's open meshes; closed ones always lose their back faces, except
// in wireframe, which keeps every line on show.
void applyFaceCulling(FaceCulling culling) {
    switch (culling) {
    case FaceCulling::Off:
        return setFaceCulling(false);
    case FaceCulling::AsKeySays:
        return setFaceCulling(backfaceCulling);
    case FaceCulling::ClosedMesh:
        return setFaceCulling(backfaceCulling || !wireframeMode);
    }
}

// The sky is drawn first, yet the planet hides much of it, and the planet's far half lies behind its near
// one. With a ball inside the planet in the depth buffer first, both fail the depth test before they are
// shaded. The wireframe view shows the sky's lines through the gaps between the planet's, so it draws the
// plain way.
void drawPlanetDepthFirst() {
    if (planetDepthFirst && !wireframeMode) {
        planet->occluder->drawDepth();
    }
}

int renderScenePass() {
    glBindFramebuffer(GL_FRAMEBUFFER, screenQuad->framebuffer);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glViewport(0, 0, SceneFramebuffer::width, SceneFramebuffer::height);
    drawPlanetDepthFirst();
    // Wireframe shows the lines of hidden rocks through the gaps, so it draws them all; without culling, too,
    // every rock goes out, as the culling key promises.
    const bool skipHidden = skipHiddenRocks && frustumCullingEnabled && !wireframeMode;
    const SceneDraw scene{sunDirection,     *camera,    frustumCullingEnabled, skipHidden,
                          asteroidsStarted, *shadowMap, *shadowBlur,           rendererKind};
    const std::vector<WorldEntry> entries = worldObjects();
    int renderedObjects = 0;
    for (size_t i = 0; i < entries.size(); ++i) {
        applyFaceCulling(entries[i].object->faceCulling());
        renderedObjects += entries[i].object->draw(scene);
        // Objects drawn in one step, the three items, finish it together.
        if (i + 1 == entries.size() || std::strcmp(entries[i + 1].step, entries[i].step) != 0) {
            finishStep(entries[i].step);
        }
    }
    return renderedObjects;
}

void printFramerate() {
    std::ostringstream line;
    line << "fps: " << 1.0 / deltaTime;
    printFrameLine(line.str());
}

// Outlines first, then the glow over the outlined picture.
void applyPostProcessing() {
    const Scene::ScreenQuadModel& quad = *screenQuad->quad;
    edgeDetection->applyEdges(screenQuad->sceneColorTexture, screenQuad->sceneDepthTexture, quad.vao,
                              quad.indexCount);
    finishStep(edgesStep);
    bloom->applyBloom(edgeDetection->resultTexture, quad.vao, quad.indexCount);
    finishStep(bloomStep);
}

// Wireframe shows the raw scene, since no post-processing ran; edge mode shows the outlines alone.
GLuint shownTexture() {
    if (wireframeMode) {
        return screenQuad->sceneColorTexture;
    }
    if (edgeMode) {
        return edgeDetection->edgeTexture;
    }
    return bloom->resultTexture;
}

void showOnWindow() {
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glViewport(0, 0, windowWidth, windowHeight);
    screenQuad->quad->drawTexture(shownTexture());
    // The hearts belong to the finished picture only, not to the debug views.
    if (!wireframeMode && !edgeMode) {
        glEnable(GL_BLEND);
        hearts->draw(screenQuad->quad->vao, screenQuad->quad->indexCount, player->lives);
    }
    showOnScreenText();
    finishStep(compositeStep);
}

} // namespace

std::vector<std::string> renderStepNames() {
    std::vector<std::string> names{shadowPassStep, shadowBlurStep};
    for (const WorldEntry& entry : worldObjects()) {
        if (names.back() != entry.step) {
            names.emplace_back(entry.step);
        }
    }
    names.insert(names.end(), {edgesStep, bloomStep, compositeStep});
    return names;
}

void initializeGame() {
    rendererKind = currentRendererKind();
    setFixedGlState();
    createCamera();
    sunDirection = glm::vec3(0.0f, 0.0f, 1.0f);
    createWorld();
    createHearts();
    setUpOnScreenText();
    setUpBestTimes();
    bloom = std::make_unique<Bloom>();
    edgeDetection = std::make_unique<EdgeDetection>();
    shadowBlur = std::make_unique<ShadowBlur>(screenQuad->quad->vao, screenQuad->quad->indexCount);
    handOutPointLights();
    camera->lookAtTarget(player->position());
    registerCallbacks();
}

void advanceGame(double frameTime, const InputActions& pad) {
    const FrameSteps steps = FrameSteps::split(frameTime);
    for (int step = 0; step < steps.count; ++step) {
        // The pad's moves act once a frame, as the mouse's do; its walk, as the held keys', every step.
        const InputActions padStep = step == 0 ? pad : pad.forLaterSteps();
        applyActions(processHeldKeys().combinedWith(padStep), steps.length);
        updateGame(steps.length);
    }
}

void updateGame(double stepTime) {
    if (gamePaused || roundEnded()) {
        return;
    }
    const glm::vec3 light = frameLightVector(stepTime);
    spawnCollectAndExpirePowerUps(stepTime);
    updateModels(light, stepTime);
    updateShadowMatrices(light);
    if (asteroidsStarted) {
        asteroids->update(light, stepTime, *camera);
    }
    camera->lookAtTarget(player->position());
    // The end comes once: from the next step on nothing updates any more.
    checkRoundEnd(asteroids->checkAsteroidHits(*player));
}

void renderGame() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    if (showFramerate) {
        printFramerate();
    }
    glDisable(GL_BLEND);
    if (wireframeMode) {
        glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    }
    renderShadowPass();
    if (transparencyEnabled) {
        glEnable(GL_BLEND);
    }
    const int renderedObjects = renderScenePass();
    if (printRenderedCount) {
        printFrameLine("Number of rendered objects: " + std::to_string(renderedObjects));
    }
    glDisable(GL_CULL_FACE);
    glDisable(GL_BLEND);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    if (!wireframeMode) {
        applyPostProcessing();
    }
    showOnWindow();
}

void cleanUpGame() {
    camera.reset();
    shadowMap.reset();
    screenQuad.reset();
    skyCube.reset();
    planet.reset();
    player.reset();
    decorationItems.reset();
    asteroids.reset();
    speedPowerUp.reset();
    lifePowerUp.reset();
    shieldPowerUp.reset();
    hearts.reset();
    cleanUpOnScreenText();
    cleanUpBestTimes();
    bloom.reset();
    edgeDetection.reset();
    shadowBlur.reset();
}

} // namespace Velmora
