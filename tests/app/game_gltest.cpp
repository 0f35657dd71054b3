// The whole game set up in the test window: the passes render a real frame, and the callbacks switch what the
// keys promise.
#include "app/game_passes.hpp"
#include "app/game_state.hpp"
#include "app/game_window.hpp"
#include "app/input.hpp"
#include "math/camera.hpp"
#include "postfx/bloom.hpp"
#include "postfx/color_target.hpp"
#include "postfx/edge_detection.hpp"
#include "postfx/scene_framebuffer.hpp"
#include "support/gl_context.hpp"
#include "support/gl_pixels.hpp"
#include "world/planet.hpp"
#include "world/player.hpp"

#include <GLFW/glfw3.h>
#include <array>
#include <cstdlib>
#include <gtest/gtest.h>

using namespace Velmora;
using TestSupport::brightness;
using TestSupport::meanColor;
using TestSupport::Rgb;

namespace {

constexpr int sceneWidth = 1800;
constexpr int sceneHeight = 1000;

class GameGL : public testing::Test {
protected:
    static void SetUpTestSuite() {
        window = glTestWindow();
        glfwGetWindowSize(window, &windowWidth, &windowHeight);
        std::srand(7);
        initializeGame();
    }

    static void TearDownTestSuite() {
        cleanUpGame();
        glfwSetWindowSizeCallback(window, nullptr);
        glfwSetKeyCallback(window, nullptr);
        glfwSetCursorPosCallback(window, nullptr);
        glfwSetScrollCallback(window, nullptr);
        window = nullptr;
    }

    void SetUp() override {
        gamePaused = false;
        sunMovementEnabled = false;
        deltaTime = 1.0 / 60.0;
        glGetError();
    }

    static void renderFrame() {
        updateGame();
        renderGame();
    }

    // The scene target's pixel under a world point, as the camera projects it.
    static glm::ivec2 scenePixelOf(const glm::vec3& point) {
        const glm::vec4 clip = camera->viewProjection() * glm::vec4(point, 1.0f);
        const glm::vec2 ndc = glm::vec2(clip) / clip.w;
        return {static_cast<int>((ndc.x + 1.0f) * 0.5f * sceneWidth),
                static_cast<int>((ndc.y + 1.0f) * 0.5f * sceneHeight)};
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
                TestSupport::readPixels(0, 0, 0, windowWidth, windowHeight) == pictureOf(shownTexture)};
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
    *sunDirection = glm::vec3(1.0f, 0.0f, 0.0f);
    renderFrame();
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

    const glm::vec3 sunlitGround = glm::normalize(glm::vec3(0.5f, 0.1f, 0.85f));
    const glm::vec3 nightGround = glm::normalize(glm::vec3(-0.5f, 0.1f, 0.85f));
    const Rgb day = sceneColorAround(sunlitGround);
    const Rgb night = sceneColorAround(nightGround);
    EXPECT_TRUE(isGreenest(day)) << day[0] << " " << day[1] << " " << day[2];
    EXPECT_GT(brightness(day), brightness(night) + 60);

    const Rgb skyCorner = meanColor(screenQuad->framebuffer, 20, sceneHeight - 60, 40, 40);
    EXPECT_TRUE(isBluest(skyCorner)) << skyCorner[0] << " " << skyCorner[1] << " " << skyCorner[2];
}

TEST_F(GameGL, SkyOverThePlayerDarkensWhenTheSunIsBehindThePlanet) {
    *sunDirection = glm::vec3(0.0f, 0.0f, 1.0f);
    renderFrame();
    const int daySky = brightness(meanColor(screenQuad->framebuffer, 20, sceneHeight - 60, 40, 40));
    *sunDirection = glm::vec3(0.0f, 0.0f, -1.0f);
    renderFrame();
    const int nightSky = brightness(meanColor(screenQuad->framebuffer, 20, sceneHeight - 60, 40, 40));
    EXPECT_GT(daySky, 2 * nightSky);
}

TEST_F(GameGL, ObjectCountCoversPlanetPlayerAndVisibleDecorations) {
    printRenderedCount = true;
    frustumCullingEnabled = false;
    testing::internal::CaptureStdout();
    renderFrame();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Number of rendered objects: 21\n");

    frustumCullingEnabled = true;
    testing::internal::CaptureStdout();
    renderFrame();
    const std::string culled = testing::internal::GetCapturedStdout();
    printRenderedCount = false;
    const int count = std::atoi(culled.substr(culled.find(": ") + 2).c_str());
    EXPECT_GE(count, 9);
    EXPECT_LT(count, 21);
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
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
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
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(GameGL, MouseTurnsTheCameraOnlyWhileTheGameRuns) {
    const float centreX = static_cast<float>(windowWidth) * 0.5f;
    const float centreY = static_cast<float>(windowHeight) * 0.5f;
    gamePaused = true;
    const glm::mat4 before = camera->worldTransform;
    cursorPosCallback(window, centreX - 10.0, centreY);
    scrollCallback(window, 0.0, 1.0);
    EXPECT_EQ(camera->worldTransform, before);

    gamePaused = false;
    cursorPosCallback(window, centreX, centreY);
    EXPECT_EQ(camera->worldTransform, before);
    cursorPosCallback(window, centreX - 10.0, centreY);
    EXPECT_NE(camera->worldTransform, before);
    // Orbiting swings the camera about the player's up direction, so its distance to the player holds.
    const float distance = glm::length(camera->position() - player->position());
    EXPECT_NEAR(glm::length(glm::vec3(before[3]) - player->position()), distance, 1e-4f);
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
