// The whole game set up in the test window: the passes render a real frame, and the callbacks switch what the
// keys promise.
#include "app/game_passes.hpp"
#include "app/game_state.hpp"
#include "app/game_window.hpp"
#include "app/input.hpp"
#include "app/input_actions.hpp"
#include "app/message_panel.hpp"
#include "app/on_screen_text.hpp"
#include "app/render_step_timer.hpp"
#include "app/steering.hpp"
#include "math/camera.hpp"
#include "math/world_transforms.hpp"
#include "platform/console.hpp"
#include "postfx/bloom.hpp"
#include "postfx/edge_detection.hpp"
#include "postfx/scene_framebuffer.hpp"
#include "render/color_target.hpp"
#include "render/shader.hpp"
#include "render/shadow_blur.hpp"
#include "render/text_overlay.hpp"
#include "support/game_in_window.hpp"
#include "support/gl_context.hpp"
#include "support/gl_pixels.hpp"
#include "support/start_placement.hpp"
#include "world/asteroid_spawner.hpp"
#include "world/decoration_items.hpp"
#include "world/life_power_up.hpp"
#include "world/planet.hpp"
#include "world/player.hpp"
#include "world/shield_power_up.hpp"
#include "world/sky_cube.hpp"
#include "world/speed_power_up.hpp"

#include <GLFW/glfw3.h>
#include <array>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

using namespace Velmora;
using TestSupport::brightness;
using TestSupport::meanColor;
using TestSupport::Rgb;

namespace {

class GameGL : public testing::Test {
protected:
    static void SetUpTestSuite() { TestSupport::GameInWindow::setUp(); }
    static void TearDownTestSuite() { TestSupport::GameInWindow::tearDown(); }

    // Every test starts from the game as its set-up left it, with the same rolls of the dice, whatever ran
    // before it; then with a still sun and frames of a 60th of a second.
    void SetUp() override {
        TestSupport::GameInWindow::restore();
        sunMovementEnabled = false;
        deltaTime = 1.0 / 60.0;
    }

    static void renderFrame() {
        updateGame(deltaTime);
        renderGame();
    }

    // Heart 1's middle on the test window: 16 pixels from the left and the top, 48 pixels wide. The window is
    // too narrow for the other two.
    static bool heartOneIsRed() {
        const Rgb color = meanColor(0, 37, windowHeight - 43, 7, 7);
        return color[0] > 150 && color[1] < 90;
    }

    // One step of the keys' and the mouse's actions.
    static void steer() { applyActions(processHeldKeys(), deltaTime); }

    // The scene target's pixel under a world point, as the camera projects it.
    static glm::ivec2 scenePixelOf(const glm::vec3& point) {
        const glm::vec4 clip = camera->viewProjection() * glm::vec4(point, 1.0f);
        const glm::vec2 ndc = glm::vec2(clip) / clip.w;
        return {static_cast<int>((ndc.x + 1.0f) * 0.5f * SceneFramebuffer::width),
                static_cast<int>((ndc.y + 1.0f) * 0.5f * SceneFramebuffer::height)};
    }

    static Rgb sceneColorAround(const glm::vec3& point) {
        const glm::ivec2 pixel = scenePixelOf(point);
        return meanColor(screenQuad->framebuffer, pixel.x - 4, pixel.y - 4, 9, 9);
    }

    static std::string pressKey(int key, int action = GLFW_PRESS) {
        testing::internal::CaptureStdout();
        keyCallback(window, key, 0, action, 0);
        return testing::internal::GetCapturedStdout();
    }

    // Runs one frame and returns the number of rendered objects it printed.
    static int countedFrame() {
        printRenderedCount = true;
        testing::internal::CaptureStdout();
        renderFrame();
        const std::string line = testing::internal::GetCapturedStdout();
        printRenderedCount = false;
        return std::atoi(line.substr(line.find(": ") + 2).c_str());
    }

    static void layBesidePlayer(Logicals::PowerUp& item, float distance) {
        item.spawned = true;
        item.model->modelMatrix[3] = glm::vec4(player->position() + glm::vec3(distance, 0.0f, 0.0f), 1.0f);
    }

    // A falling rock right where the player stands, so that the next hit test finds it.
    static void dropAsteroidOnPlayer() {
        Asteroid asteroid(0.0);
        translateInWorld(asteroid.modelMatrix, player->position(), 1.0);
        asteroid.released = true;
        asteroids->shower->addAsteroid(asteroid);
    }

    // The texture the character's last part was drawn with.
    static GLint playerTexture() {
        player->draw(
            SceneDraw{sunDirection, *camera, true, false, true, *shadowMap, *shadowBlur, rendererKind});
        return TestSupport::textureOnUnitZero();
    }

    // The window's columns left of the hearts, which the normal view draws over the picture.
    static std::vector<unsigned char> leftMargin(const std::vector<unsigned char>& window) {
        constexpr int marginWidth = 16;
        std::vector<unsigned char> margin;
        for (int row = 0; row < windowHeight; ++row) {
            const auto rowStart = window.begin() + 3 * row * windowWidth;
            margin.insert(margin.end(), rowStart, rowStart + 3 * marginWidth);
        }
        return margin;
    }

    // The picture that the final copy of a texture gives on the window.
    static std::vector<unsigned char> pictureOf(GLuint texture) {
        const ColorTarget target(windowWidth, windowHeight);
        glBindFramebuffer(GL_FRAMEBUFFER, target.framebuffer);
        glViewport(0, 0, windowWidth, windowHeight);
        screenQuad->quad->drawTexture(texture);
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
        return TestSupport::readPixels(target.framebuffer, 0, 0, windowWidth, windowHeight);
    }

    // Renders a frame with the first target of the outlines and the last of the glow filled with a colour
    // that no pass writes; tells whether each pass ran, and whether the window shows the picture of the
    // texture.
    static std::array<bool, 3> renderMarkedFrame(GLuint shownTexture) {
        const std::array<const ColorTarget*, 2> targets = {&edgeDetection->edgeTarget, &bloom->resultTarget};
        glClearColor(1.0f, 0.0f, 1.0f, 1.0f);
        for (const ColorTarget* target : targets) {
            glBindFramebuffer(GL_FRAMEBUFFER, target->framebuffer);
            glClear(GL_COLOR_BUFFER_BIT);
        }
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
        glClearColor(0.0f, 1.0f, 1.0f, 0.0f);
        renderFrame();
        const auto ran = [](const ColorTarget* target) {
            return TestSupport::pixelAt(target->framebuffer, 0, 0) != Rgb{255, 0, 255};
        };
        return {ran(targets[0]), ran(targets[1]),
                leftMargin(TestSupport::readPixels(0, 0, 0, windowWidth, windowHeight)) ==
                    leftMargin(pictureOf(shownTexture))};
    }

    // The game's programs that were made faster, exchanged with the programs they replaced, and the planet's
    // depth drawn first or not; a second exchange puts the game's way back.
    static void exchangeReferencePrograms(std::array<std::unique_ptr<Shader>, 4>& references) {
        skyCube->shader.swap(references[0]);
        skyCube->model->shader = skyCube->shader.get();
        shadowBlur->horizontalShader.swap(references[1]);
        shadowBlur->verticalShader.swap(references[2]);
        planet->shader.swap(references[3]);
        planet->model->shader = planet->shader.get();
        planet->uploadMaterialAndLights(decorationItems->pointLights());
        planetDepthFirst = !planetDepthFirst;
    }

    static std::unique_ptr<Shader> referenceProgram(const std::string& name) {
        const std::string path = std::string(VELMORA_REFERENCE_SHADERS "/") + name;
        return std::make_unique<Shader>(path + ".vert", path + ".frag");
    }

    // The blurred shadow map as depths, decoded from its whole steps in red and remainder in green.
    static std::vector<double> blurredShadowDepths() {
        const std::vector<unsigned char> encoded =
            TestSupport::readTexture(shadowBlur->resultTexture, ShadowBlur::size, ShadowBlur::size);
        std::vector<double> depths;
        for (size_t texel = 0; texel + 2 < encoded.size(); texel += 3) {
            depths.push_back((encoded[texel] + encoded[texel + 1] / 255.0) / 255.0);
        }
        return depths;
    }

    static GLint planetFilter(GLenum which) {
        GLint filter = 0;
        glBindTexture(GL_TEXTURE_2D, planet->texture->id);
        glGetTexParameteriv(GL_TEXTURE_2D, which, &filter);
        glBindTexture(GL_TEXTURE_2D, 0);
        return filter;
    }
};

bool isGreenest(const Rgb& color) {
    return color[1] > color[0] && color[1] > color[2];
}

bool isBluest(const Rgb& color) {
    return color[2] > color[0] && color[2] > color[1];
}

} // namespace

TEST_F(GameGL, FrameShowsThePlanetInTheSkyLitOnTheSunsSide) {
    sunDirection = glm::vec3(1.0f, 0.0f, 0.0f);
    renderFrame();
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

    const glm::vec3 sunlitGround = glm::normalize(glm::vec3(0.5f, 0.1f, 0.85f));
    const glm::vec3 nightGround = glm::normalize(glm::vec3(-0.5f, 0.1f, 0.85f));
    const Rgb day = sceneColorAround(sunlitGround);
    const Rgb night = sceneColorAround(nightGround);
    EXPECT_TRUE(isGreenest(day)) << day[0] << " " << day[1] << " " << day[2];
    EXPECT_GT(brightness(day), brightness(night) + 60);

    const Rgb skyCorner = meanColor(screenQuad->framebuffer, 20, SceneFramebuffer::height - 60, 40, 40);
    EXPECT_TRUE(isBluest(skyCorner)) << skyCorner[0] << " " << skyCorner[1] << " " << skyCorner[2];
}

// Each speed-up of a program must leave the picture as it was: the frame drawn with the programs as they were
// before, kept beside this test, agrees with today's but for rounding, by day and at dusk, when both skies
// mix.
TEST_F(GameGL, FasterProgramsDrawTheFrameTheFormerProgramsDrew) {
    std::array<std::unique_ptr<Shader>, 4> references = {
        referenceProgram("SkyCubeShader"), referenceProgram("GaussHorizontalShadowShader"),
        referenceProgram("GaussVerticalShadowShader"), referenceProgram("celShader")};
    // Both frames of a pair must see the same items.
    std::array<float, 3> spawnRates{};
    for (size_t i = 0; i < spawnRates.size(); ++i) {
        spawnRates[i] = std::exchange(powerUps()[i]->spawnRate, 0.0f);
    }
    const glm::vec3 up = glm::normalize(player->position());
    const glm::vec3 across = glm::normalize(glm::cross(up, glm::vec3(0.3f, 0.2f, 0.9f)));
    for (const glm::vec3& sun : {glm::normalize(up + across), glm::normalize(across + 0.1f * up)}) {
        sunDirection = sun;
        renderFrame();
        const std::vector<unsigned char> scene = TestSupport::readPixels(
            screenQuad->framebuffer, 0, 0, SceneFramebuffer::width, SceneFramebuffer::height);
        const std::vector<double> shadow = blurredShadowDepths();
        exchangeReferencePrograms(references);
        renderFrame();
        const std::vector<unsigned char> formerScene = TestSupport::readPixels(
            screenQuad->framebuffer, 0, 0, SceneFramebuffer::width, SceneFramebuffer::height);
        const std::vector<double> formerShadow = blurredShadowDepths();
        exchangeReferencePrograms(references);

        EXPECT_LT(TestSupport::shareDifferingBy(scene, formerScene, 3), 0.001);
        size_t shadowOutliers = 0;
        for (size_t texel = 0; texel < shadow.size(); ++texel) {
            shadowOutliers += std::abs(shadow[texel] - formerShadow[texel]) > 1e-4 ? 1 : 0;
        }
        EXPECT_LT(static_cast<double>(shadowOutliers) / static_cast<double>(shadow.size()), 0.001);
    }
    for (size_t i = 0; i < spawnRates.size(); ++i) {
        powerUps()[i]->spawnRate = spawnRates[i];
    }
}

TEST_F(GameGL, SkyOverThePlayerDarkensWhenTheSunIsBehindThePlanet) {
    sunDirection = glm::vec3(0.0f, 0.0f, 1.0f);
    renderFrame();
    const int daySky =
        brightness(meanColor(screenQuad->framebuffer, 20, SceneFramebuffer::height - 60, 40, 40));
    sunDirection = glm::vec3(0.0f, 0.0f, -1.0f);
    renderFrame();
    const int nightSky =
        brightness(meanColor(screenQuad->framebuffer, 20, SceneFramebuffer::height - 60, 40, 40));
    EXPECT_GT(daySky, 2 * nightSky);
}

TEST_F(GameGL, ObjectCountCoversPlanetPlayerAndVisibleDecorations) {
    // No item can spawn in a frame without time.
    deltaTime = 0.0;
    printRenderedCount = true;
    frustumCullingEnabled = false;
    testing::internal::CaptureStdout();
    renderFrame();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Number of rendered objects: 21\n");

    frustumCullingEnabled = true;
    const int count = countedFrame();
    EXPECT_GE(count, 9);
    EXPECT_LT(count, 21);
}

// A frame finishes each render step once, in order, by the name the figures give it: the world's steps are
// those of its registration, where the objects of one step must stand together.
TEST_F(GameGL, EveryRenderStepFinishesOnceAFrameUnderItsName) {
    struct StepNames : RenderStepTimer {
        void stepFinished(const std::string& step) override { finished.push_back(step); }
        std::vector<std::string> finished;
    } steps;
    renderStepTimer = &steps;
    renderFrame();
    renderStepTimer = nullptr;
    const std::vector<std::string> names = renderStepNames();
    EXPECT_EQ(steps.finished, names);
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), names.size());
}

// What each registered object keeps puts back what playing changed in it.
TEST_F(GameGL, KeptStatesOfTheWorldsObjectsPutPlayBack) {
    std::vector<std::function<void()>> kept;
    for (const WorldEntry& entry : worldObjects()) {
        kept.push_back(entry.object->keepState());
    }
    const glm::vec3 start = player->position();
    glm::vec3 axis(0.0f);
    player->moveForward(axis, camera->position(), player->speed, 0.5, decorationItems->obstaclePositions());
    layBesidePlayer(*shieldPowerUp, 0.1f);
    shieldPowerUp->checkCollect(*player);
    dropAsteroidOnPlayer();
    ASSERT_NE(player->position(), start);
    for (const std::function<void()>& restore : kept) {
        restore();
    }
    EXPECT_EQ(player->position(), start);
    EXPECT_FALSE(player->shieldActive);
    EXPECT_FALSE(shieldPowerUp->spawned || shieldPowerUp->collected);
    EXPECT_TRUE(asteroids->shower->asteroidList.empty());
}

TEST_F(GameGL, LyingPowerUpsAreCountedButNotOnceCollected) {
    deltaTime = 0.0;
    frustumCullingEnabled = false;
    for (Logicals::PowerUp* item : powerUps()) {
        item->spawned = true;
        item->placeOnPlanet(*player, *decorationItems);
    }
    EXPECT_EQ(countedFrame(), 24);
    layBesidePlayer(*speedPowerUp, 0.0f);
    layBesidePlayer(*lifePowerUp, 0.0f);
    EXPECT_EQ(countedFrame(), 22);
    layBesidePlayer(*shieldPowerUp, 0.0f);
    EXPECT_EQ(countedFrame(), 21);
}

TEST_F(GameGL, LifeItemGivesOneBackUpToThreeAndIsUsedUpEitherWay) {
    layBesidePlayer(*lifePowerUp, 0.16f);
    lifePowerUp->checkCollect(*player);
    EXPECT_TRUE(lifePowerUp->spawned);
    layBesidePlayer(*lifePowerUp, 0.1f);
    lifePowerUp->checkCollect(*player);
    EXPECT_EQ(player->lives, 3);
    EXPECT_FALSE(lifePowerUp->spawned);
    player->lives = 2;
    layBesidePlayer(*lifePowerUp, 0.0f);
    lifePowerUp->checkCollect(*player);
    EXPECT_EQ(player->lives, 3);
}

// While the effect runs the item is neither drawn nor bobbing, and a sure spawn roll cannot bring it back.
TEST_F(GameGL, SpeedLastsJustOverFiveSecondsAndOnlyThenMaySpawnAgain) {
    layBesidePlayer(*speedPowerUp, 0.1f);
    speedPowerUp->checkCollect(*player);
    speedPowerUp->checkCollect(*player);
    EXPECT_FLOAT_EQ(player->speed, 56.0f);
    const glm::mat4 collectedAt = speedPowerUp->model->modelMatrix;
    for (int step = 0; step < 10; ++step) {
        speedPowerUp->rollSpawn(25.0, *player, *decorationItems);
        speedPowerUp->update(FrameUniforms{sunDirection, *camera, *shadowMap, player->position(), 0.5});
        speedPowerUp->updateEffect(*player, 0.5);
    }
    EXPECT_EQ(speedPowerUp->model->modelMatrix, collectedAt);
    EXPECT_EQ(speedPowerUp->draw(
                  SceneDraw{sunDirection, *camera, true, false, true, *shadowMap, *shadowBlur, rendererKind}),
              0);
    EXPECT_FLOAT_EQ(player->speed, 56.0f);
    speedPowerUp->updateEffect(*player, 0.001);
    EXPECT_NEAR(player->speed, 40.0f, 1e-4f);
    speedPowerUp->rollSpawn(25.0, *player, *decorationItems);
    EXPECT_TRUE(speedPowerUp->isVisible());
    EXPECT_NE(speedPowerUp->model->modelMatrix, collectedAt);
}

TEST_F(GameGL, ShieldMakesHitsHarmlessAndThePlayerMetallicForJustOverFiveSeconds) {
    const GLint metal = static_cast<GLint>(player->metalTexture->id);
    layBesidePlayer(*shieldPowerUp, 0.1f);
    shieldPowerUp->checkCollect(*player);
    EXPECT_EQ(playerTexture(), metal);
    shieldPowerUp->updateEffect(*player, 1.0);
    dropAsteroidOnPlayer();
    EXPECT_FALSE(asteroids->checkAsteroidHits(*player));
    EXPECT_EQ(player->lives, 3);
    shieldPowerUp->updateEffect(*player, 4.0);
    EXPECT_EQ(playerTexture(), metal);
    shieldPowerUp->updateEffect(*player, 0.001);
    EXPECT_FALSE(player->shieldActive);
    EXPECT_EQ(playerTexture(), static_cast<GLint>(player->shoeTexture->id));
    dropAsteroidOnPlayer();
    EXPECT_FALSE(asteroids->checkAsteroidHits(*player));
    EXPECT_EQ(player->lives, 2);
}

TEST_F(GameGL, OneLongFrameIsPlayedInStepsAsSixtyShortOnes) {
    // Three rocks over the player reach it at 0.4, 0.67 and 0.93 s; the shield lasts half a second. Played in
    // steps, the first one clangs and the other two take a life each; a single step of a second would carry
    // the first past the player and cost one life for the other two together.
    asteroidsStarted = true;
    layBesidePlayer(*shieldPowerUp, 0.1f);
    shieldPowerUp->effectDuration = 0.5;
    for (float height : {0.45f, 0.65f, 0.85f}) {
        Asteroid asteroid(0.0);
        translateInWorld(asteroid.modelMatrix,
                         player->position() * (1.0f + height / PlayerPartTransform::startHeight), 1.0);
        asteroids->shower->addAsteroid(asteroid);
    }
    advanceGame(1.0, InputActions{});
    EXPECT_FALSE(player->shieldActive);
    EXPECT_EQ(player->lives, 1);
    for (const Asteroid& asteroid : asteroids->shower->asteroidList) {
        EXPECT_TRUE(asteroid.impacted);
    }
    shieldPowerUp->effectDuration = 5.0;
}

TEST_F(GameGL, EveryFrameTimePlaysExactlyItsTimeAsSixtiethsDo) {
    // A second of walking into the shower, at frames shorter than, equal to and longer than a sixtieth.
    InputActions walk;
    walk.walk.forward = 1;
    std::vector<glm::vec3> places;
    for (double frameTime : {1.0 / 60.0, 1.0 / 120.0, 0.25, 1.0}) {
        TestSupport::GameInWindow::restore();
        asteroidsStarted = true;
        for (long frame = std::lround(1.0 / frameTime); frame > 0; --frame) {
            advanceGame(frameTime, walk);
        }
        EXPECT_NEAR(asteroids->shower->elapsedTime, 1.0, 1e-9) << frameTime;
        places.push_back(player->position());
        EXPECT_LT(glm::distance(places.back(), places[0]), 1e-3f) << frameTime;
    }
    EXPECT_GT(glm::distance(places[0], TestSupport::partAtStart().position()), 0.3f);
}

TEST_F(GameGL, SamplingKeysSetTheFiltersTheyAnnounce) {
    EXPECT_EQ(pressKey(GLFW_KEY_F4), "changing Texture-Sampling-Quality to GL_NEAREST\n");
    EXPECT_EQ(planetFilter(GL_TEXTURE_MIN_FILTER), GL_NEAREST);
    EXPECT_EQ(planetFilter(GL_TEXTURE_MAG_FILTER), GL_NEAREST);

    EXPECT_EQ(pressKey(GLFW_KEY_F5), "deactivate mip-mapping\n");
    EXPECT_EQ(planetFilter(GL_TEXTURE_MIN_FILTER), GL_NEAREST);
    EXPECT_EQ(pressKey(GLFW_KEY_F5), "activate mip-mapping\n");
    EXPECT_EQ(planetFilter(GL_TEXTURE_MIN_FILTER), GL_LINEAR_MIPMAP_LINEAR);
    EXPECT_EQ(planetFilter(GL_TEXTURE_MAG_FILTER), GL_NEAREST);

    EXPECT_EQ(pressKey(GLFW_KEY_F4), "changing Texture-Sampling-Quality to GL_LINEAR\n");
    EXPECT_EQ(pressKey(GLFW_KEY_F5), "deactivate mip-mapping\n");
    EXPECT_EQ(planetFilter(GL_TEXTURE_MIN_FILTER), GL_LINEAR);
    EXPECT_EQ(pressKey(GLFW_KEY_F5), "activate mip-mapping\n");
    EXPECT_EQ(planetFilter(GL_TEXTURE_MAG_FILTER), GL_LINEAR);
}

TEST_F(GameGL, OnlyFreshPressesOfBoundKeysToggle) {
    EXPECT_EQ(pressKey(GLFW_KEY_F7, GLFW_REPEAT), "");
    EXPECT_EQ(pressKey(GLFW_KEY_F7, GLFW_RELEASE), "");
    EXPECT_EQ(pressKey(GLFW_KEY_F1), "");
    EXPECT_EQ(pressKey(GLFW_KEY_F12), "");
    EXPECT_FALSE(printRenderedCount);

    EXPECT_EQ(pressKey(GLFW_KEY_F6), "activate edge-mode\n");
    EXPECT_EQ(pressKey(GLFW_KEY_F3), "changing to wireframe-mode\n");
    EXPECT_TRUE(wireframeMode);
    EXPECT_FALSE(edgeMode);
    renderFrame();
    EXPECT_EQ(pressKey(GLFW_KEY_F3), "changing to triangle-mode\n");
    EXPECT_FALSE(edgeMode);
}

TEST_F(GameGL, WindowShowsTheRawSceneInWireframeTheOutlinesInEdgeModeAndTheGlowOtherwise) {
    wireframeMode = true;
    EXPECT_EQ(renderMarkedFrame(screenQuad->sceneColorTexture), (std::array<bool, 3>{false, false, true}));
    wireframeMode = false;
    edgeMode = true;
    EXPECT_EQ(renderMarkedFrame(edgeDetection->edgeTexture), (std::array<bool, 3>{true, true, true}));
    edgeMode = false;
    EXPECT_EQ(renderMarkedFrame(bloom->resultTexture), (std::array<bool, 3>{true, true, true}));
    // The outlines alone make that picture differ from the raw scene's at the window's size.
    EXPECT_NE(pictureOf(bloom->resultTexture), pictureOf(screenQuad->sceneColorTexture));
}

TEST_F(GameGL, MouseTurnsTheCameraOnlyWhileTheGameRuns) {
    const float centreX = static_cast<float>(windowWidth) * 0.5f;
    const float centreY = static_cast<float>(windowHeight) * 0.5f;
    gamePaused = true;
    const glm::mat4 before = camera->worldTransform;
    cursorPosCallback(window, centreX - 10.0, centreY);
    scrollCallback(window, 0.0, 1.0);
    steer();
    EXPECT_EQ(camera->worldTransform, before);

    gamePaused = false;
    cursorPosCallback(window, centreX, centreY);
    steer();
    EXPECT_EQ(camera->worldTransform, before);
    // The mouse's moves add up until a step takes them, once.
    cursorPosCallback(window, centreX - 4.0, centreY);
    cursorPosCallback(window, centreX - 6.0, centreY);
    const InputActions moves = processHeldKeys();
    EXPECT_EQ(moves.orbit, 10.0f);
    applyActions(moves, deltaTime);
    EXPECT_NE(camera->worldTransform, before);
    // Orbiting swings the camera about the player's up direction, so its distance to the player holds.
    const float distance = glm::length(camera->position() - player->position());
    EXPECT_NEAR(glm::length(glm::vec3(before[3]) - player->position()), distance, 1e-4f);

    // Without focus the pointer turns nothing, and the first event after focus returns only re-centres it.
    const glm::mat4 turned = camera->worldTransform;
    windowFocusCallback(window, GLFW_FALSE);
    cursorPosCallback(window, centreX - 10.0, centreY);
    windowFocusCallback(window, GLFW_TRUE);
    cursorPosCallback(window, centreX - 10.0, centreY);
    steer();
    EXPECT_EQ(camera->worldTransform, turned);
    cursorPosCallback(window, centreX - 10.0, centreY);
    steer();
    EXPECT_NE(camera->worldTransform, turned);
}

TEST_F(GameGL, MinimisedWindowChangesNothing) {
    const glm::mat4 projection = camera->projection;
    const int width = windowWidth;
    const int height = windowHeight;
    windowSizeCallback(window, 0, 0);
    EXPECT_EQ(camera->projection, projection);
    EXPECT_EQ(windowWidth, width);
    EXPECT_EQ(windowHeight, height);
    windowSizeCallback(window, 2 * width, height);
    EXPECT_NE(camera->projection, projection);
    windowSizeCallback(window, width, height);
}

TEST_F(GameGL, HeartsShowOnlyInTheNormalView) {
    renderFrame();
    EXPECT_TRUE(heartOneIsRed());
    for (bool* debugView : {&wireframeMode, &edgeMode}) {
        *debugView = true;
        renderFrame();
        *debugView = false;
        EXPECT_FALSE(heartOneIsRed());
    }
}

TEST_F(GameGL, LinesOfPlayShowUnderTheHeartsOnlyWithTheOptionAndF1ShowsTheControls) {
    gamePaused = true;
    renderFrame();
    const std::vector<unsigned char> today = TestSupport::readPixels(0, 0, 0, windowWidth, windowHeight);
    printLine("pause game");
    renderFrame();
    EXPECT_EQ(TestSupport::readPixels(0, 0, 0, windowWidth, windowHeight), today);

    // Set up again with the option: the lines of play but not those of F2.
    onScreenMessages = true;
    setUpOnScreenText();
    printLine("pause game");
    showFramerate = true;
    testing::internal::CaptureStdout();
    renderFrame();
    testing::internal::GetCapturedStdout();
    showFramerate = false;
    EXPECT_EQ(messagePanel->linesAt(glfwGetTime()), std::vector<std::string>{"pause game"});
    // White text on a window cleared black, a larger one than the test's, which the text follows.
    const ColorTarget target(640, 360);
    const auto whitePixels = [&target](int x, int yFromTop, int width, int height) {
        glBindFramebuffer(GL_FRAMEBUFFER, target.framebuffer);
        glViewport(0, 0, 640, 360);
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        showOnScreenText();
        const std::vector<unsigned char> pixels =
            TestSupport::readPixels(target.framebuffer, x, 360 - yFromTop - height, width, height);
        return std::count(pixels.begin(), pixels.end(), 255);
    };
    windowSizeCallback(window, 640, 360);
    EXPECT_GT(whitePixels(16, 72, 400, 24), 100);
    EXPECT_EQ(whitePixels(16, 100, 400, 24) + whitePixels(0, 0, 640, 72) + whitePixels(200, 140, 240, 80), 0);
    // The pause stays said at the bottom after the panel has forgotten it, and so do the end and the start.
    messagePanel = std::make_unique<MessagePanel>();
    gamePaused = false;
    EXPECT_GT(whitePixels(0, 330, 640, 30), 100);
    for (bool* state : {&gamePaused, &gameLost, &gameSurvived, &asteroidsStarted}) {
        const bool was = std::exchange(*state, true);
        EXPECT_EQ(whitePixels(0, 330, 640, 30) > 100, state != &asteroidsStarted);
        *state = was;
    }

    // F1 pauses, and its closing continues only what it paused.
    EXPECT_EQ(pressKey(GLFW_KEY_F1), "pause game\n");
    EXPECT_GT(whitePixels(200, 140, 240, 80), 100);
    EXPECT_EQ(pressKey(GLFW_KEY_F1), "continue game\n");
    EXPECT_EQ(whitePixels(200, 140, 240, 80), 0);
    EXPECT_EQ(pressKey(GLFW_KEY_F1) + pressKey(GLFW_KEY_SPACE) + pressKey(GLFW_KEY_SPACE) +
                  pressKey(GLFW_KEY_F1),
              "pause game\ncontinue game\npause game\n");
    EXPECT_EQ(pressKey(GLFW_KEY_SPACE), "continue game\n");
    // Every character is drawn from its own cell: the full block fills one cell, as wide as a "·".
    const glm::ivec2 cell(textOverlay->textWidth("\u00b7"), textOverlay->lineHeight());
    textOverlay->addText({0, 0}, "\u2588", glm::vec4(1.0f));
    EXPECT_EQ(whitePixels(0, 0, cell.x, cell.y), 3 * cell.x * cell.y);
    glClearColor(0.0f, 1.0f, 1.0f, 0.0f);
}

TEST_F(GameGL, TheCardFitsWholeBesideTheHeartsAndTheTextGrowsWithTheWindow) {
    onScreenMessages = true;
    controlsCardShown = true;
    asteroidsStarted = true;
    messagePanel = std::make_unique<MessagePanel>();
    std::vector<int> lineHeights;
    for (const glm::ivec2 size :
         {glm::ivec2(640, 360), glm::ivec2(1280, 720), glm::ivec2(3840, 2160), glm::ivec2(7680, 4320)}) {
        windowSizeCallback(window, size.x, size.y);
        const ColorTarget target(size.x, size.y);
        glBindFramebuffer(GL_FRAMEBUFFER, target.framebuffer);
        glViewport(0, 0, size.x, size.y);
        glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        showOnScreenText();
        lineHeights.push_back(textOverlay->lineHeight());
        // The card's dark box: a border of the white window all round it, none of it over the hearts.
        const std::vector<unsigned char> pixels =
            TestSupport::readPixels(target.framebuffer, 0, 0, size.x, size.y);
        glm::ivec2 low(size);
        glm::ivec2 high(-1);
        for (int y = 0; y < size.y; ++y) {
            for (int x = 0; x < size.x; ++x) {
                if (pixels[3 * (static_cast<size_t>(y) * size.x + x)] < 128) {
                    low = glm::min(low, glm::ivec2(x, size.y - 1 - y));
                    high = glm::max(high, glm::ivec2(x, size.y - 1 - y));
                }
            }
        }
        EXPECT_TRUE(glm::all(glm::greaterThan(low, glm::ivec2(0))) && glm::all(glm::lessThan(high, size - 1)))
            << size.x << "x" << size.y;
        EXPECT_TRUE(low.x >= 176 || low.y >= 64) << size.x << "x" << size.y;
    }
    EXPECT_GE(lineHeights[2], 3 * lineHeights[1]);
    glClearColor(0.0f, 1.0f, 1.0f, 0.0f);
}

TEST_F(GameGL, ShowerStartsWithEnterAndTheLastLifeEndsTheGameOnce) {
    frustumCullingEnabled = false;
    printRenderedCount = true;
    AsteroidShower& shower = *asteroids->shower;
    // One rock already falling far from the player, one waiting right where the player stands.
    Asteroid falling(0.0);
    translateInWorld(falling.modelMatrix, glm::vec3(0.0f, -3.0f, 0.0f), 1.0);
    falling.released = true;
    shower.addAsteroid(falling);
    Asteroid waiting(0.0);
    translateInWorld(waiting.modelMatrix, player->position(), 1.0);
    shower.addAsteroid(waiting);
    player->lives = 1;

    testing::internal::CaptureStdout();
    renderFrame();
    renderFrame();
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Number of rendered objects: 21\nNumber of rendered objects: 21\n");
    EXPECT_EQ(translationOf(shower.asteroidList[0].modelMatrix), glm::vec3(0.0f, -3.0f, 0.0f));
    EXPECT_FALSE(shower.asteroidList[1].released);
    EXPECT_EQ(player->lives, 1);

    asteroidsStarted = true;
    sunMovementEnabled = true;
    testing::internal::CaptureStdout();
    renderFrame();
    const glm::vec3 sun = sunDirection;
    const double clock = shower.elapsedTime;
    renderFrame();
    renderFrame();
    EXPECT_EQ(
        testing::internal::GetCapturedStdout(),
        "You lost! (0 lives remaining)\nNumber of rendered objects: 22\nNumber of rendered objects: 22\n"
        "Number of rendered objects: 22\n");
    EXPECT_TRUE(gameLost);
    EXPECT_EQ(player->lives, 0);
    EXPECT_EQ(sunDirection, sun);
    EXPECT_EQ(shower.elapsedTime, clock);

    printRenderedCount = false;
    frustumCullingEnabled = true;
}

TEST_F(GameGL, GamepadGoesThroughTheStepsOfTheKeysAndTheMouse) {
    const auto padFrame = [](const InputActions& pad) {
        testing::internal::CaptureStdout();
        applyPresses(pad);
        applyActions(processHeldKeys().combinedWith(pad), deltaTime);
        return testing::internal::GetCapturedStdout();
    };
    InputActions pause;
    pause.togglePause = true;
    InputActions everything;
    everything.walk.forward = 1;
    everything.startShower = true;
    everything.orbit = -10.0f;
    everything.tilt = 10.0f;
    everything.zoom = 1.0f;
    const glm::mat4 cameraBefore = camera->worldTransform;
    const glm::vec3 playerBefore = player->position();

    // Paused or lost, the pad moves nothing and the shower waits; only pause itself acts, with Space's lines.
    EXPECT_EQ(padFrame(pause), "pause game\n");
    EXPECT_EQ(padFrame(everything), "");
    EXPECT_EQ(padFrame(pause), "continue game\n");
    gameLost = true;
    EXPECT_EQ(padFrame(everything), "");
    EXPECT_EQ(camera->worldTransform, cameraBefore);
    EXPECT_EQ(player->position(), playerBefore);
    EXPECT_FALSE(asteroidsStarted);
    gameLost = false;

    // Running, the pad's orbit and zoom land exactly where the mouse's and the wheel's do.
    InputActions turnAndZoom;
    turnAndZoom.orbit = -10.0f;
    turnAndZoom.zoom = 1.0f;
    EXPECT_EQ(padFrame(turnAndZoom), "");
    const glm::mat4 byPad = camera->worldTransform;
    camera->worldTransform = cameraBefore;
    cursorPosCallback(window, windowWidth * 0.5 + 10.0, windowHeight * 0.5);
    scrollCallback(window, 0.0, 1.0);
    steer();
    EXPECT_EQ(camera->worldTransform, byPad);
    EXPECT_NE(byPad, cameraBefore);
    // The tilt the mouse gives with the middle button held, which a test cannot hold.
    InputActions tilt;
    tilt.tilt = 10.0f;
    applyActions(tilt, deltaTime);
    const glm::mat4 tiltedByPad = camera->worldTransform;
    camera->worldTransform = byPad;
    camera->tiltCamera(player->position(), 10.0f, 0.25f);
    EXPECT_EQ(camera->worldTransform, tiltedByPad);
    EXPECT_NE(tiltedByPad, byPad);

    InputActions walkAndStart;
    walkAndStart.walk.forward = 1;
    walkAndStart.startShower = true;
    EXPECT_EQ(padFrame(walkAndStart), "");
    EXPECT_GT(glm::distance(player->position(), playerBefore), 1e-3f);
    EXPECT_TRUE(asteroidsStarted);
}

TEST_F(GameGL, EnterAfterTheLossStartsANewRoundFromTheStart) {
    const glm::vec3 playerAtStart = player->position();
    const glm::mat4 cameraAtStart = camera->worldTransform;
    // A round played on a while, with the speed effect running, lost to a rock.
    asteroidsStarted = true;
    InputActions walk;
    walk.walk.forward = 1;
    advanceGame(0.5, walk);
    layBesidePlayer(*speedPowerUp, 0.0f);
    speedPowerUp->checkCollect(*player);
    player->lives = 1;
    dropAsteroidOnPlayer();
    renderFrame();
    EXPECT_FALSE(heartOneIsRed());
    // Minimised after the loss, the game stays as it is, for Enter to start anew; rocks landed meanwhile.
    testing::internal::CaptureStdout();
    windowIconifyCallback(window, GLFW_TRUE);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    asteroids->shower->advance(3.0);
    // Paused, Enter waits for the game to continue.
    gamePaused = true;
    EXPECT_EQ(pressKey(GLFW_KEY_ENTER), "");
    gamePaused = false;
    EXPECT_EQ(pressKey(GLFW_KEY_ENTER), "new round\n");
    EXPECT_FLOAT_EQ(player->speed, 40.0f);
    // The speed item's effect ended with the lost round and does not run out in the new one.
    speedPowerUp->updateEffect(*player, 6.0);
    EXPECT_FLOAT_EQ(player->speed, 40.0f);
    EXPECT_FALSE(speedPowerUp->spawned);
    EXPECT_EQ(player->position(), playerAtStart);
    EXPECT_EQ(camera->worldTransform, cameraAtStart);
    renderFrame();
    EXPECT_EQ(player->lives, 3);
    EXPECT_TRUE(heartOneIsRed());
    // The shower's clock started again and has run one frame; the first rock falls again.
    EXPECT_EQ(asteroids->shower->elapsedTime, deltaTime);
    EXPECT_TRUE(asteroids->shower->asteroidList.front().released);

    // The whole shower fallen: the game goes on, or with on-screen messages the round is survived.
    asteroids->shower->elapsedTime = 1e9;
    for (Asteroid& rock : asteroids->shower->asteroidList) {
        rock.released = rock.impacted = true;
    }
    const auto twoFramesPrint = [] {
        testing::internal::CaptureStdout();
        renderFrame();
        renderFrame();
        return testing::internal::GetCapturedStdout();
    };
    EXPECT_EQ(twoFramesPrint(), "");
    onScreenMessages = true;
    EXPECT_EQ(twoFramesPrint(), "You survived! (3 lives remaining)\n");
    EXPECT_EQ(pressKey(GLFW_KEY_ENTER), "new round\n");
}
