#include "app/game_passes.hpp"

#include "app/game_state.hpp"
#include "app/game_window.hpp"
#include "app/input.hpp"
#include "math/camera.hpp"
#include "platform/console.hpp"
#include "postfx/bloom.hpp"
#include "postfx/edge_detection.hpp"
#include "postfx/scene_framebuffer.hpp"
#include "postfx/shadow_blur.hpp"
#include "postfx/shadow_map.hpp"
#include "world/decoration_items.hpp"
#include "world/planet.hpp"
#include "world/player.hpp"
#include "world/sky_cube.hpp"
#include "world/sun.hpp"

#include <GL/glew.h>
#include <GLFW/glfw3.h>
#include <IL/il.h>
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
    camera->worldTransform[3] = glm::vec4(0.0f, 0.0f, 2.5f, 1.0f);
}

void createWorld() {
    shadowMap = new ShadowMap();
    screenQuad = new SceneFramebuffer();
    skyCube = new SkyCube();
    planet = new Planet();
    player = new Player();
    decorationItems = new DecorationItems(player->position());
}

// Every lit model gets the lanterns' lights once; they never move.
void handOutPointLights() {
    const PointLightArrays lights = decorationItems->pointLights();
    planet->uploadMaterialAndLights(lights);
    player->uploadMaterialAndLights(lights);
    decorationItems->uploadMaterialAndLights();
}

void registerCallbacks() {
    glfwSetScrollCallback(window, scrollCallback);
    glfwSetCursorPosCallback(window, cursorPosCallback);
    glfwSetWindowSizeCallback(window, windowSizeCallback);
    glfwSetKeyCallback(window, keyCallback);
}

glm::vec3 frameLightVector() {
    if (sunMovementEnabled) {
        return advanceSun(*sunDirection, glm::vec3(0.0f, 1.0f, 0.0f), 10.0f, deltaTime);
    }
    return *sunDirection;
}

void updateModels(const glm::vec3& light) {
    planet->update(light, *camera, *shadowMap);
    player->updateUniforms(light, *camera, *shadowMap);
    skyCube->update(light, player->position(), *camera);
    decorationItems->update(light, *camera, *shadowMap);
}

void updateShadowMatrices(const glm::vec3& light) {
    Scene::PlanetModel& planetModel = *planet->model;
    planetModel.setShadowLightMatrix(shadowMap->computeLightMVP(light, false, planetModel.modelMatrix));
    player->updateShadowUniforms(light, *shadowMap);
    decorationItems->updateShadowMatrices(light, *shadowMap);
}

void renderShadowPass() {
    glBindFramebuffer(GL_FRAMEBUFFER, shadowMap->framebuffer);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glViewport(0, 0, ShadowMap::size, ShadowMap::size);
    planet->model->drawShadow();
    player->drawShadows();
    decorationItems->drawShadows();
    shadowBlur->blur(shadowMap->depthTexture, screenQuad->quad->vao, screenQuad->quad->indexCount);
}

// Face culling is on exactly while the backface-culling key says it is activated.
void applyFaceCulling() {
    if (backfaceCulling) {
        glEnable(GL_CULL_FACE);
    } else {
        glDisable(GL_CULL_FACE);
    }
}

int renderScenePass() {
    glBindFramebuffer(GL_FRAMEBUFFER, screenQuad->framebuffer);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glViewport(0, 0, SceneFramebuffer::width, SceneFramebuffer::height);
    skyCube->model->draw(nullptr);
    applyFaceCulling();
    planet->model->draw(shadowBlur);
    player->draw(*shadowBlur);
    const int decorationsDrawn = decorationItems->draw(*camera->frustum, frustumCullingEnabled, *shadowBlur);
    return alwaysRenderedObjects + decorationsDrawn;
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
    bloom->applyBloom(edgeDetection->resultTexture, quad.vao, quad.indexCount);
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
}

} // namespace

void initializeGame() {
    ilInit();
    setFixedGlState();
    createCamera();
    sunDirection = new glm::vec3(0.0f, 0.0f, 1.0f);
    createWorld();
    bloom = new Bloom();
    edgeDetection = new EdgeDetection();
    shadowBlur = new ShadowBlur();
    handOutPointLights();
    camera->lookAtTarget(player->position());
    registerCallbacks();
}

void updateGame() {
    if (gamePaused || gameLost) {
        return;
    }
    const glm::vec3 light = frameLightVector();
    updateModels(light);
    updateShadowMatrices(light);
    camera->lookAtTarget(player->position());
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
    destroy(bloom);
    destroy(edgeDetection);
    destroy(shadowBlur);
}

} // namespace Velmora
