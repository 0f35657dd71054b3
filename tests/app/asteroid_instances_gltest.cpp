// The rocks in sight go out in instanced draws of a batch each: in the real game, by day and at dusk, with
// culling on and off, in one batch or several, they must show the picture and the count that one draw per
// rock gave. Rocks wholly hidden are left out without changing a pixel or the count. On a graphics card the
// frame neither reads back nor waits, and still shows the same picture and count.
#include "app/game_passes.hpp"
#include "app/game_state.hpp"
#include "app/game_window.hpp"
#include "gl_call_counter.hpp"
#include "math/camera.hpp"
#include "postfx/scene_framebuffer.hpp"
#include "support/game_in_window.hpp"
#include "support/gl_context.hpp"
#include "support/gl_pixels.hpp"
#include "support/per_rock_asteroids.hpp"
#include "world/asteroid_spawner.hpp"
#include "world/decoration_items.hpp"
#include "world/player.hpp"

#include <GLFW/glfw3.h>
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <glm/gtc/matrix_transform.hpp>
#include <gtest/gtest.h>
#include <random>

using namespace Velmora;

namespace {

class AsteroidInstancesGL : public testing::Test {
protected:
    static void SetUpTestSuite() {
        TestSupport::GameInWindow::setUp();
        former = std::make_unique<TestSupport::PerRockAsteroids>(*asteroids, decorationItems->pointLights());
        detected = rendererKind;
        calls = std::make_unique<GlCallCounter>();
    }

    static void TearDownTestSuite() {
        calls.reset();
        rendererKind = detected;
        former.reset();
        TestSupport::GameInWindow::tearDown();
    }

    void SetUp() override {
        TestSupport::GameInWindow::restore();
        // The rocks' tests hold whatever card the tests run on to the software renderer's frame.
        rendererKind = RendererKind::Software;
        sunMovementEnabled = false;
        asteroidsStarted = true;
        // Frames without time: nothing falls, nothing spawns, so every frame of a test sees the same rocks.
        deltaTime = 0.0;
    }

    // Rocks in play all round the planet between its surface and the start sphere, each turned its own way:
    // some in sight, some behind the planet or the camera, none within reach of the player.
    static void scatterRocks(int count) {
        std::mt19937 random(static_cast<unsigned int>(count));
        std::uniform_real_distribution<float> coordinate(-2.9f, 2.9f);
        AsteroidShower& shower = *asteroids->shower;
        shower.removeAll();
        while (static_cast<int>(shower.asteroidList.size()) < count) {
            const glm::vec3 position(coordinate(random), coordinate(random), coordinate(random));
            const float height = glm::length(position);
            if (height < 1.1f || height > 2.9f || glm::length(position - player->position()) < 0.3f) {
                continue;
            }
            Asteroid rock(0.0);
            rock.released = true;
            rock.modelMatrix =
                glm::rotate(glm::translate(glm::mat4(1.0f), position), 3.0f * height, position);
            shower.addAsteroid(rock);
        }
    }

    // The rocks alone in the scene target, drawn one way, over the frame's shadow map; the count goes to
    // drawn.
    static std::vector<unsigned char> rocksPicture(const std::function<int()>& draw, int& drawn) {
        glBindFramebuffer(GL_FRAMEBUFFER, screenQuad->framebuffer);
        glViewport(0, 0, SceneFramebuffer::width, SceneFramebuffer::height);
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glEnable(GL_BLEND);
        drawn = draw();
        glDisable(GL_BLEND);
        return TestSupport::readPixels(screenQuad->framebuffer, 0, 0, SceneFramebuffer::width,
                                       SceneFramebuffer::height);
    }

    static glm::vec3 up() { return glm::normalize(player->position()); }
    static glm::vec3 across() { return glm::normalize(glm::cross(up(), glm::vec3(0.3f, 0.2f, 0.9f))); }
    static glm::vec3 daySun() { return glm::normalize(up() + across()); }
    static glm::vec3 duskSun() { return glm::normalize(across() + 0.1f * up()); }

    // The frame under this sun, then the rocks drawn instanced and one by one over its shadow map.
    static void expectPictureOfOneDrawPerRock(const glm::vec3& sun, bool culling) {
        sunDirection = sun;
        updateGame(deltaTime);
        renderGame();
        int instanced = 0;
        int perRock = 0;
        // The game culls the rocks' back faces now; the former draw kept them.
        const auto picture = rocksPicture(
            [&] {
                glEnable(GL_CULL_FACE);
                const int drawn = asteroids->draw(
                    SceneDraw{sun, *camera, culling, false, true, *shadowMap, *shadowBlur, rendererKind});
                glDisable(GL_CULL_FACE);
                return drawn;
            },
            instanced);
        const auto formerPicture = rocksPicture(
            [&] { return former->draw(*asteroids->shower, sun, *camera, culling, *shadowMap, *shadowBlur); },
            perRock);
        int none = 0;
        const auto empty = rocksPicture([] { return 0; }, none);
        EXPECT_EQ(instanced, perRock);
        EXPECT_GT(TestSupport::shareDifferingBy(picture, empty, 3), 0.01);
        EXPECT_LT(TestSupport::shareDifferingBy(picture, formerPicture, 3), 0.001);
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    }

    static int countedFrame() {
        printRenderedCount = true;
        testing::internal::CaptureStdout();
        updateGame(deltaTime);
        renderGame();
        const std::string line = testing::internal::GetCapturedStdout();
        printRenderedCount = false;
        return std::atoi(line.substr(line.find(": ") + 2).c_str());
    }

    // The finished picture in the window, with the count the game prints, how many rocks went out and the
    // calls the frame made.
    struct Frame {
        std::vector<unsigned char> picture;
        int counted;
        int sent;
        GlCallCounts calls;
    };

    static Frame shownFrame() {
        calls->reset();
        const int counted = countedFrame();
        const GlCallCounts made = calls->counts();
        return {TestSupport::readPixels(0, 0, 0, windowWidth, windowHeight), counted, asteroids->rocksSent,
                made};
    }

    static inline std::unique_ptr<TestSupport::PerRockAsteroids> former;
    static inline std::unique_ptr<GlCallCounter> calls;
    static inline RendererKind detected = RendererKind::Software;
};

} // namespace

TEST_F(AsteroidInstancesGL, OneDrawShowsThePictureOfOneDrawPerRock) {
    scatterRocks(400);
    for (const glm::vec3& sun : {daySun(), duskSun()}) {
        for (const bool culling : {true, false}) {
            expectPictureOfOneDrawPerRock(sun, culling);
        }
    }
}

TEST_F(AsteroidInstancesGL, SeveralBatchesShowThePictureOfOneDrawPerRock) {
    // Two full batches and a part of one, all in the picture with culling off.
    scatterRocks(static_cast<int>(2 * Scene::AsteroidModel::batchSize + 300));
    expectPictureOfOneDrawPerRock(duskSun(), false);
}

TEST_F(AsteroidInstancesGL, CountAddsExactlyTheRocksInSight) {
    for (const bool culling : {true, false}) {
        frustumCullingEnabled = culling;
        scatterRocks(0);
        const int withoutRocks = countedFrame();
        for (const int count : {1, 40, 700}) {
            scatterRocks(count);
            const int inSight =
                former->draw(*asteroids->shower, sunDirection, *camera, culling, *shadowMap, *shadowBlur);
            EXPECT_EQ(countedFrame(), withoutRocks + inSight) << count << " rocks";
            EXPECT_EQ(inSight, culling ? std::min(inSight, count) : count) << count << " rocks";
        }
    }
}

TEST_F(AsteroidInstancesGL, RocksLeftOutAsHiddenChangeNoPixelNorTheCount) {
    // Rocks all round, many behind the planet and behind each other, in more waves than one; seen from the
    // start, from close by and from low over the ground.
    scatterRocks(4000);
    for (int view = 0; view < 3; ++view) {
        if (view == 1) {
            camera->zoomCamera(player->position(), 0.6f);
        }
        if (view == 2) {
            camera->tiltCamera(player->position(), 60.0f, 0.25f);
        }
        skipHiddenRocks = true;
        const Frame skipping = shownFrame();
        skipHiddenRocks = false;
        const Frame all = shownFrame();
        EXPECT_LT(TestSupport::shareDifferingBy(skipping.picture, all.picture, 2), 1e-5) << "view " << view;
        EXPECT_EQ(skipping.counted, all.counted) << "view " << view;
        EXPECT_GT(all.sent, static_cast<int>(AsteroidSpawner::waveSize)) << "view " << view;
        EXPECT_LT(skipping.sent, all.sent * 3 / 4) << "view " << view;
    }
    // Wireframe shows hidden rocks' lines through the gaps, so every rock in sight goes out.
    skipHiddenRocks = true;
    wireframeMode = true;
    const Frame wireframe = shownFrame();
    EXPECT_EQ(wireframe.sent, asteroids->draw(SceneDraw{sunDirection, *camera, true, false, true, *shadowMap,
                                                        *shadowBlur, rendererKind}));
}

TEST_F(AsteroidInstancesGL, GraphicsCardFrameNeitherReadsBackNorWaitsAndShowsTheSamePicture) {
    // A dense shower: more rocks in sight than a wave, and with culling off more than a batch.
    scatterRocks(4000);
    for (const bool culling : {true, false}) {
        frustumCullingEnabled = culling;
        rendererKind = RendererKind::Software;
        const Frame software = shownFrame();
        rendererKind = RendererKind::Hardware;
        const Frame hardware = shownFrame();
        EXPECT_LT(TestSupport::shareDifferingBy(hardware.picture, software.picture, 2), 1e-5) << culling;
        EXPECT_EQ(hardware.counted, software.counted) << culling;
        EXPECT_EQ(hardware.calls.readBacks + hardware.calls.clientWaits + hardware.calls.finishes, 0)
            << culling;
        EXPECT_EQ(hardware.calls.instancedDraws, 1) << culling;
        // The software renderer reads the depths back between waves, and without culling waits for batches.
        EXPECT_GT(culling ? software.calls.readBacks : software.calls.clientWaits, 0) << culling;
    }
}
