// The shadow blur shades only the texels the casters can reach: in the real game no caster may leave its disk
// in the depth map, and the blur kept to that region must give what the passes over the whole map give.
#include "app/game_passes.hpp"
#include "app/game_state.hpp"
#include "app/input_actions.hpp"
#include "postfx/scene_framebuffer.hpp"
#include "render/shadow_blur.hpp"
#include "render/shadow_map.hpp"
#include "support/game_in_window.hpp"
#include "support/gl_pixels.hpp"
#include "world/decoration_items.hpp"
#include "world/lantern.hpp"
#include "world/player.hpp"
#include "world/power_up.hpp"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

using namespace Velmora;

namespace {

constexpr int size = ShadowMap::size;

class ShadowRegionGL : public testing::Test {
protected:
    static void SetUpTestSuite() { TestSupport::GameInWindow::setUp(); }
    static void TearDownTestSuite() { TestSupport::GameInWindow::tearDown(); }

    // The items lie on the planet and the character has walked a second away from its start.
    void SetUp() override {
        TestSupport::GameInWindow::restore();
        sunMovementEnabled = false;
        for (Logicals::PowerUp* item : powerUps()) {
            item->spawned = true;
            item->placeOnPlanet(*player, *decorationItems);
        }
        InputActions walk;
        walk.walk.forward = 1;
        advanceGame(1.0, walk);
    }

    static void renderFrameInSun(const glm::vec3& sun) {
        sunDirection = sun;
        deltaTime = 0.0;
        updateGame(deltaTime);
        renderGame();
    }

    // A sun across the point's own up: whatever stands there shows its full height at the rim of the map.
    static glm::vec3 sunAcross(const glm::vec3& point) {
        return glm::normalize(glm::cross(glm::normalize(point), glm::vec3(0.3f, 0.9f, 0.2f)));
    }

    static std::vector<glm::vec3> sunsAcrossTheTallestCasters() {
        std::vector<glm::vec3> suns{sunAcross(player->position())};
        for (const auto& lantern : decorationItems->lanterns) {
            suns.push_back(sunAcross(glm::vec3(lantern->model->modelMatrix[3])));
        }
        return suns;
    }
};

// Distance of a texel's centre from the map's centre, in texels.
double fromCentre(int x, int y) {
    return std::hypot(x + 0.5 - size / 2, y + 0.5 - size / 2);
}

TEST_F(ShadowRegionGL, NoCasterReachesBeyondItsDiskInTheDepthMap) {
    constexpr double planetTexels = 1.0 / ShadowMap::boxHalfWidth * size / 2;
    std::vector<float> depths(static_cast<size_t>(size * size));
    for (const glm::vec3& sun : sunsAcrossTheTallestCasters()) {
        SCOPED_TRACE(sun.x);
        renderFrameInSun(sun);
        glBindTexture(GL_TEXTURE_2D, shadowMap->depthTexture);
        glGetTexImage(GL_TEXTURE_2D, 0, GL_DEPTH_COMPONENT, GL_FLOAT, depths.data());
        glBindTexture(GL_TEXTURE_2D, 0);

        double farthestCaster = 0.0;
        int outside = 0;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                if (depths[static_cast<size_t>(y * size + x)] == 1.0f) {
                    continue;
                }
                farthestCaster = std::max(farthestCaster, fromCentre(x, y));
                outside += fromCentre(x, y) > ShadowMap::casterTexelRadius - 1 ? 1 : 0;
            }
        }
        EXPECT_EQ(outside, 0) << "farthest caster texel " << farthestCaster;
        // The sun shows the caster it was set across standing out over the planet's rim.
        EXPECT_GT(farthestCaster, planetTexels + 20.0);
    }
}

TEST_F(ShadowRegionGL, BlurOfTheCastersRegionMatchesTheBlurOfTheWholeMap) {
    const Scene::ScreenQuadModel& quad = *screenQuad->quad;
    const auto expectRegionMatchesWhole = [&quad] {
        const std::vector<unsigned char> region =
            TestSupport::readTexture(shadowBlur->resultTexture, size, size);
        shadowBlur->blurWholeMap(shadowMap->depthTexture, quad.vao, quad.indexCount);
        const std::vector<unsigned char> whole =
            TestSupport::readTexture(shadowBlur->resultTexture, size, size);
        EXPECT_LE(TestSupport::largestDifference(region, whole), 1);
    };
    for (const glm::vec3& sun : {glm::normalize(player->position() + glm::vec3(0.2f, 0.5f, 0.1f)),
                                 sunsAcrossTheTallestCasters().back()}) {
        SCOPED_TRACE(sun.x);
        renderFrameInSun(sun);
        expectRegionMatchesWhole();
    }
    // A made-up map whose casters reach the rim of the disk promised to the blur, beyond any of the game's.
    std::vector<float> rim(static_cast<size_t>(size * size), 1.0f);
    for (size_t texel = 0; texel < rim.size(); ++texel) {
        const double distance = fromCentre(static_cast<int>(texel % size), static_cast<int>(texel / size));
        rim[texel] = std::abs(distance - ShadowMap::casterTexelRadius + 3.5) <= 2.5 ? 0.4f : 1.0f;
    }
    glBindTexture(GL_TEXTURE_2D, shadowMap->depthTexture);
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, size, size, GL_DEPTH_COMPONENT, GL_FLOAT, rim.data());
    glBindTexture(GL_TEXTURE_2D, 0);
    shadowBlur->blur(shadowMap->depthTexture, quad.vao, quad.indexCount);
    expectRegionMatchesWhole();
}

} // namespace
