#include "math/camera.hpp"
#include "render/color_target.hpp"
#include "render/shadow_blur.hpp"
#include "render/shadow_map.hpp"
#include "support/gl_pixels.hpp"
#include "world/planet.hpp"

#include <glm/gtc/matrix_transform.hpp>
#include <gtest/gtest.h>

namespace Velmora {
namespace {

glm::mat4 uniformMatrix(GLuint program, const char* name) {
    glm::mat4 value(0.0f);
    glGetUniformfv(program, glGetUniformLocation(program, name), &value[0][0]);
    return value;
}

TEST(PlanetGL, DrawsGrassInTheMiddleWithIdentityMatricesEveryFrame) {
    const ShadowMap shadowMap;
    const ShadowBlur shadowBlur;
    Planet planet;
    planet.uploadMaterialAndLights(PointLightArrays{{0.0f, 0.0f, 1.25f}, {1.0f, 1.0f, 0.0f}, {1.8f}, {1.0f}});
    Camera camera;
    camera.setPerspective(0.01f, 20.0f, 60.0f, 32.0f, 32.0f);
    camera.worldTransform = glm::translate(glm::mat4(1.0f), glm::vec3(0.0f, 0.0f, 2.5f));
    const GLuint program = planet.shader->program;

    for (const glm::vec3& light : {glm::vec3(0.0f, 0.0f, 1.0f), glm::vec3(0.6f, 0.0f, 0.8f)}) {
        planet.update(light, camera, shadowMap);
        EXPECT_EQ(uniformMatrix(program, "modelMatrix"), glm::mat4(1.0f));
        EXPECT_EQ(uniformMatrix(program, "normalMatrix"), glm::mat4(1.0f));
        glm::vec3 uploadedLight(0.0f);
        glGetUniformfv(program, glGetUniformLocation(program, "lightVector"), &uploadedLight[0]);
        EXPECT_EQ(uploadedLight, light);
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
