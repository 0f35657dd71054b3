#include "math/camera.hpp"
#include "postfx/scene_framebuffer.hpp"
#include "render/color_target.hpp"
#include "render/shadow_blur.hpp"
#include "render/shadow_map.hpp"
#include "support/gl_pixels.hpp"
#include "support/start_placement.hpp"
#include "support/uniform_values.hpp"
#include "world/planet.hpp"

#include <gtest/gtest.h>

namespace Velmora {
namespace {

using TestSupport::uniformValue;

TEST(PlanetGL, DrawsGrassInTheMiddleWithIdentityMatricesEveryFrame) {
    const ShadowMap shadowMap;
    const SceneFramebuffer sceneFramebuffer;
    const ShadowBlur shadowBlur(sceneFramebuffer.quad->vao, sceneFramebuffer.quad->indexCount);
    Planet planet;
    planet.uploadMaterialAndLights(PointLightArrays{{0.0f, 0.0f, 1.25f}, {1.0f, 1.0f, 0.0f}, {1.8f}, {1.0f}});
    const Camera camera = TestSupport::startCamera(32, 32);
    const GLuint program = planet.shader->program;

    for (const glm::vec3& light : {glm::vec3(0.0f, 0.0f, 1.0f), glm::vec3(0.6f, 0.0f, 0.8f)}) {
        planet.update(FrameUniforms{light, camera, shadowMap, glm::vec3(0.0f), 0.0});
        EXPECT_EQ(uniformValue<glm::mat4>(program, "modelMatrix"), glm::mat4(1.0f));
        EXPECT_EQ(uniformValue<glm::mat4>(program, "normalMatrix"), glm::mat4(1.0f));
        EXPECT_EQ(uniformValue<glm::vec3>(program, "lightVector"), light);
    }

    const ColorTarget target(32, 32);
    glBindFramebuffer(GL_FRAMEBUFFER, target.framebuffer);
    glViewport(0, 0, 32, 32);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    // Without a depth buffer the far side must not paint over the near one.
    glEnable(GL_CULL_FACE);
    planet.model->draw(&shadowBlur);
    glDisable(GL_CULL_FACE);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    const TestSupport::Rgb middle = TestSupport::meanColor(target.framebuffer, 12, 12, 8, 8);
    EXPECT_GT(middle[1], middle[0]);
    EXPECT_GT(middle[1], middle[2]);
    EXPECT_GT(middle[1], 60);
}

} // namespace
} // namespace Velmora
