#include "math/camera.hpp"
#include "math/world_transforms.hpp"
#include "postfx/scene_framebuffer.hpp"
#include "render/color_target.hpp"
#include "render/gl_uniforms.hpp"
#include "render/shadow_blur.hpp"
#include "render/shadow_map.hpp"
#include "support/start_placement.hpp"
#include "support/uniform_values.hpp"
#include "world/decoration_items.hpp"
#include "world/decoration_placement.hpp"

#include <cstdlib>
#include <gtest/gtest.h>
#include <set>

namespace Velmora {
namespace {

using TestSupport::uniformValue;

const glm::vec3 playerStart = TestSupport::playerStart();
const glm::vec3 light(0.0f, 0.0f, 1.0f);

// The start camera as the game sets it up for its scene target.
Camera cameraAimedAt(const glm::vec3& target) {
    return TestSupport::cameraAimedAt(target, SceneFramebuffer::width, SceneFramebuffer::height);
}

// The game's set-up and update order for the decoration items, then one frame of drawing.
class DecorationFrame : public testing::Test {
protected:
    // Seeded before the items are built, so every run places them alike.
    DecorationFrame() : items((std::srand(2024), playerStart)), target(32, 32) {
        items.uploadMaterialAndLights(items.pointLights());
    }

    int drawWith(const Camera& camera, bool cullingEnabled) {
        items.update(FrameUniforms{light, camera, shadowMap, playerStart, 0.0});
        items.updateShadowMatrices(light, shadowMap);
        glBindFramebuffer(GL_FRAMEBUFFER, target.framebuffer);
        glViewport(0, 0, 32, 32);
        glClear(GL_COLOR_BUFFER_BIT);
        const int drawn = items.draw(SceneDraw{light, camera, cullingEnabled, false, false, shadowMap,
                                               shadowBlur, RendererKind::Software});
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
        return drawn;
    }

    ShadowMap shadowMap;
    SceneFramebuffer sceneFramebuffer;
    ShadowBlur shadowBlur{sceneFramebuffer.quad->vao, sceneFramebuffer.quad->indexCount};
    DecorationItems items;
    ColorTarget target;
};

TEST_F(DecorationFrame, CullingOffDrawsAllTwelveAndCullingOnNeverMore) {
    const Camera towardsPlayer = cameraAimedAt(playerStart);
    EXPECT_EQ(drawWith(towardsPlayer, false), 12);
    EXPECT_LE(drawWith(towardsPlayer, true), 12);
    // Looking out into space every item lies behind the camera.
    const Camera awayFromPlanet = cameraAimedAt(glm::vec3(0.5f, 0.5f, 6.0f));
    EXPECT_EQ(drawWith(awayFromPlanet, true), 0);
    EXPECT_EQ(drawWith(awayFromPlanet, false), 12);

    glBindFramebuffer(GL_FRAMEBUFFER, shadowMap.framebuffer);
    items.drawShadows();
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
}

TEST_F(DecorationFrame, ObstaclesAndLightsMatchThePlacedModels) {
    const ObstaclePositions obstacles = items.obstaclePositions();
    ASSERT_EQ(obstacles.houses.size(), 8u);
    ASSERT_EQ(obstacles.lanterns.size(), 4u);
    for (const glm::vec3& house : obstacles.houses) {
        EXPECT_NEAR(glm::length(house), DecorationPlacement::houseHeight, 1e-5f);
        EXPECT_GE(glm::length(house - playerStart), 0.5f);
    }
    const PointLightArrays lights = items.pointLights();
    ASSERT_EQ(lights.pointLightPositions.size(), 12u);
    ASSERT_EQ(lights.pointLightColors.size(), 12u);
    ASSERT_EQ(lights.pointLightIntensities.size(), 4u);
    ASSERT_EQ(lights.pointLightRanges.size(), 4u);
    for (size_t k = 0; k < 4; ++k) {
        const glm::vec3 lightPosition(lights.pointLightPositions[3 * k],
                                      lights.pointLightPositions[3 * k + 1],
                                      lights.pointLightPositions[3 * k + 2]);
        EXPECT_NEAR(glm::length(obstacles.lanterns[k]), 1.0f, 1e-5f);
        EXPECT_LT(glm::length(lightPosition - 1.25f * obstacles.lanterns[k]), 1e-5f);
    }
}

TEST_F(DecorationFrame, EveryItemHasItsOwnProgramWithItsOwnMatrixAndMaterial) {
    std::set<GLuint> programs;
    for (const auto& house : items.houses) {
        programs.insert(house->shader->program);
        EXPECT_EQ(uniformValue<glm::mat4>(house->shader->program, "modelMatrix"), house->model->modelMatrix);
        EXPECT_FLOAT_EQ(uniformValue<float>(house->shader->program, "shininess"), 50.0f);
    }
    for (const auto& lantern : items.lanterns) {
        programs.insert(lantern->shader->program);
        EXPECT_EQ(uniformValue<glm::mat4>(lantern->shader->program, "modelMatrix"),
                  lantern->model->modelMatrix);
        EXPECT_FLOAT_EQ(uniformValue<float>(lantern->shader->program, "shininess"), 100.0f);
    }
    EXPECT_EQ(programs.size(), 12u);

    items.updateShadowMatrices(light, shadowMap);
    const Scene::DecorationItemModel& lastLantern = *items.lanterns.back()->model;
    EXPECT_EQ(uniformValue<glm::mat4>(lastLantern.shadowShader->program, "lightMVPMatrix"),
              shadowMap.computeLightMVP(light, false, lastLantern.modelMatrix));
}

} // namespace
} // namespace Velmora
