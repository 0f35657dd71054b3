#include "app/game_passes.hpp"

#include "app/game_state.hpp"
#include "app/game_window.hpp"
#include "app/input.hpp"
#include "app/pad_actions.hpp"
#include "app/render_step_timer.hpp"
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

#include <GL/glew.h>
#include <GLFW/glfw3.h>
#include <IL/il.h>
#include <array>
#include <sstream>

namespace Velmora {
namespace {

// The planet and the player's eight parts are always drawn; the sky cube is not counted.
constexpr int alwaysRenderedObjects = 9;

template <typename T> void destroy(T*& object) {
    delete object;
    object = nullptr;
}

void setFixedGlState() {
    glEnable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}

void createCamera() {
    camera = new Camera();
    camera->setGamePerspective(windowWidth, windowHeight);
    camera->worldTransform[3] = glm::vec4(0.0f, 0.0f, Camera::startDistance, 1.0f);
}

// Speed, life, shield: the order of every pass over the power-ups.
std::array<Logicals::PowerUp*, 3> powerUps() {
    return {speedPowerUp, lifePowerUp, shieldPowerUp};
}

void createWorld() {
    shadowMap = new ShadowMap();
    screenQuad = new SceneFramebuffer();
    skyCube = new SkyCube();
    planet = new Planet();
    player = new Player();
    decorationItems = new DecorationItems(player->position());
    asteroids = new AsteroidSpawner(asteroidSpawnRate, asteroidSpawnDuration);
    speedPowerUp = new Logicals::SpeedPowerUp();
    lifePowerUp = new Logicals::LifePowerUp();
    shieldPowerUp = new Logicals::ShieldPowerUp();
}

void createHearts() {
    hearts = new HeartsDisplay();
    hearts->setWindowSize(static_cast<float>(windowWidth), static_cast<float>(windowHeight));
}

// Every lit model gets the lanterns' lights once; they never move.
void handOutPointLights() {
    const PointLightArrays lights = decorationItems->pointLights();
    planet->uploadMaterialAndLights(lights);
    player->uploadMaterialAndLights(lights);
    decorationItems->uploadMaterialAndLights();
    asteroids->uploadMaterialAndLights(lights);
    for (Logicals::PowerUp* powerUp : powerUps()) {
        powerUp->uploadMaterialAndLights(lights);
    }
}

void registerCallbacks() {
    glfwSetScrollCallback(window, scrollCallback);
    glfwSetCursorPosCallback(window, cursorPosCallback);
    glfwSetWindowSizeCallback(window, windowSizeCallback);
    glfwSetKeyCallback(window, keyCallback);
}

glm::vec3 frameLightVector(double stepTime) {
    if (sunMovementEnabled) {
        return advanceSun(*sunDirection, glm::vec3(0.0f, 1.0f, 0.0f), 10.0f, stepTime);
    }
    return *sunDirection;
}

// The life takes effect at once, so only the timed kinds have an effect to advance.
void spawnCollectAndExpirePowerUps(double stepTime) {
    for (Logicals::PowerUp* powerUp : powerUps()) {
        powerUp->rollSpawn(stepTime, *player, *decorationItems);
        powerUp->checkCollect(*player);
        if (powerUp != lifePowerUp) {
            powerUp->updateEffect(*player, stepTime);
        }
    }
}

void updateModels(const glm::vec3& light, double stepTime) {
    planet->update(light, *camera, *shadowMap);
    player->updateUniforms(light, *camera, *shadowMap);
    skyCube->update(light, player->position(), *camera);
    decorationItems->update(light, *camera, *shadowMap);
    for (Logicals::PowerUp* powerUp : powerUps()) {
        powerUp->update(light, *camera, *shadowMap, stepTime);
    }
}

void finishStep(RenderStep step) {
    if (renderStepTimer != nullptr) {
        renderStepTimer->stepFinished(step);
    }
}

void updateShadowMatrix(const Scene::SceneObject& model, const glm::vec3& light) {
    model.setShadowLightMatrix(shadowMap->computeLightMVP(light, false, model.modelMatrix));
}

void updateShadowMatrices(const glm::vec3& light) {
    updateShadowMatrix(*planet->model, light);
    player->updateShadowUniforms(light, *shadowMap);
    decorationItems->updateShadowMatrices(light, *shadowMap);
    for (Logicals::PowerUp* powerUp : powerUps()) {
        updateShadowMatrix(*powerUp->model, light);
    }
}

void renderShadowPass() {
    glBindFramebuffer(GL_FRAMEBUFFER, shadowMap->framebuffer);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glViewport(0, 0, ShadowMap::size, ShadowMap::size);
    planet->model->drawShadow();
    player->drawShadows();
    decorationItems->drawShadows();
    for (Logicals::PowerUp* powerUp : powerUps()) {
        powerUp->drawShadow();
    }
    finishStep(RenderStep::ShadowPass);
    shadowBlur->blur(shadowMap->depthTexture, screenQuad->quad->vao, screenQuad->quad->indexCount);
    finishStep(RenderStep::ShadowBlur);
}

// Face culling is on exactly while the backface-culling key says it is activated.
void applyFaceCulling() {
    if (backfaceCulling) {
        glEnable(GL_CULL_FACE);
    } else {
        glDisable(GL_CULL_FACE);
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
    skyCube->model->draw(nullptr);
    finishStep(RenderStep::Sky);
    applyFaceCulling();
    planet->model->draw(shadowBlur);
    finishStep(RenderStep::Planet);
    player->draw(*shadowBlur);
    finishStep(RenderStep::Player);
    int renderedObjects = alwaysRenderedObjects;
    renderedObjects += decorationItems->draw(*camera->frustum, frustumCullingEnabled, *shadowBlur);
    finishStep(RenderStep::HousesAndLanterns);
    if (asteroidsStarted) {
        renderedObjects +=
            asteroids->draw(*sunDirection, *camera, frustumCullingEnabled, *shadowMap, *shadowBlur);
    }
    finishStep(RenderStep::Asteroids);
    // The items are closed boxes, so their back faces can always go; wireframe keeps every line on show.
    if (!wireframeMode) {
        glEnable(GL_CULL_FACE);
    }
    for (Logicals::PowerUp* powerUp : powerUps()) {
        renderedObjects += powerUp->draw(*shadowBlur);
    }
    finishStep(RenderStep::PowerUps);
    return renderedObjects;
}

void printFramerate() {
    std::ostringstream line;
    line << "fps: " << 1.0 / deltaTime;
    printLine(line.str());
}

// Outlines first, then the glow over the outlined picture.
void applyPostProcessing() {
    const Scene::ScreenQuadModel& quad = *screenQuad->quad;
    edgeDetection->applyEdges(screenQuad->sceneColorTexture, screenQuad->sceneDepthTexture, quad.vao,
                              quad.indexCount);
    finishStep(RenderStep::Edges);
    bloom->applyBloom(edgeDetection->resultTexture, quad.vao, quad.indexCount);
    finishStep(RenderStep::Bloom);
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
    finishStep(RenderStep::CompositeAndHearts);
}

// The hit that takes the last life ends the game once: from the next frame on nothing updates any more.
void checkForLoss() {
    if (asteroids->checkAsteroidHits(*player)) {
        printLine("You lost! (0 lives remaining)");
        gameLost = true;
    }
}

} // namespace

void initializeGame() {
    ilInit();
    setFixedGlState();
    createCamera();
    sunDirection = new glm::vec3(0.0f, 0.0f, 1.0f);
    createWorld();
    createHearts();
    bloom = new Bloom();
    edgeDetection = new EdgeDetection();
    shadowBlur = new ShadowBlur();
    handOutPointLights();
    camera->lookAtTarget(player->position());
    registerCallbacks();
}

void advanceGame(double frameTime, const PadActions& pad) {
    const FrameSteps steps = FrameSteps::split(frameTime);
    for (int step = 0; step < steps.count; ++step) {
        processHeldKeys(steps.length, pad);
        updateGame(steps.length);
    }
}

void updateGame(double stepTime) {
    if (gamePaused || gameLost) {
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
    checkForLoss();
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
        printLine("Number of rendered objects: " + std::to_string(renderedObjects));
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
    destroy(camera);
    destroy(sunDirection);
    destroy(shadowMap);
    destroy(screenQuad);
    destroy(skyCube);
    destroy(planet);
    destroy(player);
    destroy(decorationItems);
    destroy(asteroids);
    destroy(speedPowerUp);
    destroy(lifePowerUp);
    destroy(shieldPowerUp);
    destroy(hearts);
    destroy(bloom);
    destroy(edgeDetection);
    destroy(shadowBlur);
}

} // namespace Velmora
