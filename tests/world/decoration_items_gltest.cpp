#include "math/camera.hpp"
#include "math/world_transforms.hpp"
#include "postfx/scene_framebuffer.hpp"
#include "render/color_target.hpp"
#include "render/gl_uniforms.hpp"
#include "render/shadow_blur.hpp"
#include "render/shadow_map.hpp"
#include "world/decoration_items.hpp"

#include <cmath>
#include <cstdlib>
#include <glm/gtc/matrix_transform.hpp>
#include <gtest/gtest.h>
#include <set>

namespace Velmora {
namespace {

const glm::vec3 playerStart(0.0f, 1.05f * std::sin(glm::radians(20.0f)),
                            1.05f * std::cos(glm::radians(20.0f)));
const glm::vec3 light(0.0f, 0.0f, 1.0f);

Camera cameraAimedAt(const glm::vec3& target) {
    Camera camera;
    camera.setGamePerspective(SceneFramebuffer::width, SceneFramebuffer::height);
    camera.worldTransform = glm::translate(glm::mat4(1.0f), glm::vec3(0.0f, 0.0f, 2.5f));
    camera.lookAtTarget(target);
    return camera;
}

glm::mat4 uniformMatrix(GLuint program, const char* name) {
    glm::mat4 value(0.0f);
    glGetUniformfv(program, glGetUniformLocation(program, name), &value[0][0]);
    return value;
}

// The game's set-up and update order for the decoration items, then one frame of drawing.
class DecorationFrame : public testing::Test {
protected:
    // Seeded before the items are built, so every run places them alike.
    DecorationFrame() : items((std::srand(2024), playerStart)), target(32, 32) {
        items.uploadMaterialAndLights();
    }

    int drawWith(const Camera& camera, bool cullingEnabled) {
        items.update(light, camera, shadowMap);
        items.updateShadowMatrices(light, shadowMap);
        glBindFramebuffer(GL_FRAMEBUFFER, target.framebuffer);
        glViewport(0, 0, 32, 32);
        glClear(GL_COLOR_BUFFER_BIT);
        const int drawn = items.draw(*camera.frustum, cullingEnabled, shadowBlur);
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
        return drawn;
    }

    ShadowMap shadowMap;
    ShadowBlur shadowBlur;
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
        EXPECT_NEAR(glm::length(house), 1.05f, 1e-5f);
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
        EXPECT_EQ(uniformMatrix(house->shader->program, "modelMatrix"), house->model->modelMatrix);
        GLfloat shininess = 0.0f;
        glGetUniformfv(house->shader->program, glGetUniformLocation(house->shader->program, "shininess"),
                       &shininess);
        EXPECT_FLOAT_EQ(shininess, 50.0f);
    }
    for (const auto& lantern : items.lanterns) {
        programs.insert(lantern->shader->program);
        EXPECT_EQ(uniformMatrix(lantern->shader->program, "modelMatrix"), lantern->model->modelMatrix);
        GLfloat shininess = 0.0f;
        glGetUniformfv(lantern->shader->program, glGetUniformLocation(lantern->shader->program, "shininess"),
                       &shininess);
        EXPECT_FLOAT_EQ(shininess, 100.0f);
    }
    EXPECT_EQ(programs.size(), 12u);

    items.updateShadowMatrices(light, shadowMap);
    const Scene::DecorationItemModel& lastLantern = *items.lanterns.back()->model;
    EXPECT_EQ(uniformMatrix(lastLantern.shadowShader->program, "lightMVPMatrix"),
              shadowMap.computeLightMVP(light, false, lastLantern.modelMatrix));
}

} // namespace
} // namespace Velmora
