#include "math/camera.hpp"
#include "render/color_target.hpp"
#include "render/shadow_map.hpp"
#include "support/gl_pixels.hpp"
#include "support/start_placement.hpp"
#include "world/sky_cube.hpp"

#include <gtest/gtest.h>

namespace Velmora {
namespace {

constexpr int targetSize = 48;
const glm::vec3 playerStart = TestSupport::playerStart();

// The game's camera at its start, aimed at the player, so the whole picture is sky behind the planet.
class SkyPicture {
public:
    SkyPicture()
        : camera(TestSupport::cameraAimedAt(playerStart, targetSize, targetSize)),
          target(targetSize, targetSize) {}

    TestSupport::Rgb render(const glm::vec3& light, const glm::vec3& playerPosition) {
        sky.update(FrameUniforms{light, camera, shadowMap, playerPosition, 0.0});
        glBindFramebuffer(GL_FRAMEBUFFER, target.framebuffer);
        glViewport(0, 0, targetSize, targetSize);
        glClearColor(1.0f, 0.0f, 1.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        sky.model->draw(nullptr);
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
        return TestSupport::meanColor(target.framebuffer, 0, 0, targetSize, targetSize);
    }

    SkyCube sky;
    Camera camera;
    ShadowMap shadowMap;
    ColorTarget target;
};

TEST(SkyCubeGL, DayOverTheSunlitSideNightOverTheOtherAndDuskBetween) {
    SkyPicture picture;
    const TestSupport::Rgb day = picture.render(glm::vec3(0.0f, 0.0f, 1.0f), playerStart);
    const TestSupport::Rgb night = picture.render(glm::vec3(0.0f, 0.0f, -1.0f), playerStart);
    // Only the player's side counts, not the camera's: the same sun is night for a player on the far side.
    const TestSupport::Rgb farSide = picture.render(glm::vec3(0.0f, 0.0f, 1.0f), -playerStart);
    const TestSupport::Rgb dusk = picture.render(glm::vec3(1.0f, 0.0f, 0.0f), playerStart);

    EXPECT_GT(day[2], day[0]) << "the day sky is blue";
    EXPECT_LT(TestSupport::brightness(night), 120);
    EXPECT_GT(TestSupport::brightness(day), 3 * TestSupport::brightness(night));
    EXPECT_NEAR(TestSupport::brightness(farSide), TestSupport::brightness(night), 6);
    EXPECT_GT(TestSupport::brightness(dusk), TestSupport::brightness(night) + 30);
    EXPECT_LT(TestSupport::brightness(dusk), TestSupport::brightness(day) - 30);
}

TEST(SkyCubeGL, DrawCoversThePictureAndLeavesBothSkiesBoundWithUnitOneActive) {
    SkyPicture picture;
    picture.render(glm::vec3(0.0f, 0.0f, 1.0f), playerStart);
    // The clear colour is magenta; any corner left uncovered by the cube would keep it.
    for (const auto& corner : {std::pair{0, 0}, std::pair{targetSize - 1, 0}, std::pair{0, targetSize - 1},
                               std::pair{targetSize - 1, targetSize - 1}}) {
        const TestSupport::Rgb color =
            TestSupport::pixelAt(picture.target.framebuffer, corner.first, corner.second);
        EXPECT_FALSE(color[0] > 200 && color[1] < 50 && color[2] > 200);
    }
    GLint activeUnit = 0;
    glGetIntegerv(GL_ACTIVE_TEXTURE, &activeUnit);
    EXPECT_EQ(activeUnit, GL_TEXTURE1);
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(bound, static_cast<GLint>(picture.sky.nightTexture->id));
    glActiveTexture(GL_TEXTURE0);
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(bound, static_cast<GLint>(picture.sky.dayTexture->id));
    GLint program = -1;
    glGetIntegerv(GL_CURRENT_PROGRAM, &program);
    EXPECT_EQ(program, 0);
}

} // namespace
} // namespace Velmora
