#include "math/camera.hpp"
#include "postfx/scene_framebuffer.hpp"
#include "render/color_target.hpp"
#include "render/lit_model.hpp"
#include "render/shadow_blur.hpp"
#include "render/shadow_map.hpp"
#include "support/gl_pixels.hpp"
#include "support/solid_texture_file.hpp"

#include <gtest/gtest.h>

namespace Velmora {
namespace {

GLint textureOnUnit(GLenum unit) {
    glActiveTexture(unit);
    GLint texture = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &texture);
    return texture;
}

TEST(LitModelDrawGL, DrawsTheColourTextureAndLeavesItOnUnitZeroWithUnitOneUnbound) {
    const ShadowMap shadowMap;
    const SceneFramebuffer sceneFramebuffer;
    const ShadowBlur shadowBlur(sceneFramebuffer.quad->vao, sceneFramebuffer.quad->indexCount);
    Shader celShader("Shaders/celShader.vert", "Shaders/celShader.frag");
    // The clip-space quad: with an identity camera it covers the whole target.
    Scene::LitModel model(glm::mat4(1.0f), &celShader, "SceneObjects/Screen_Quad.obj",
                          Scene::LitModel::MatrixUpload::WithMaterial);
    Texture texture(TestSupport::writeSolidPng("velmora_lit_draw.png", 200, 120, 40));
    // Ambient only, so the picture is the texture colour whatever the light and the shadow map hold.
    Material material{glm::vec3(1.0f), glm::vec3(0.0f), glm::vec3(0.0f), 8.0f};
    model.colorTexture = &texture;
    model.material = &material;
    model.setMaterialAndLights(PointLightArrays{});
    model.setFrameUniforms(glm::vec3(0.0f, 0.0f, 1.0f), Camera(), shadowMap);

    const ColorTarget target(16, 16);
    glBindFramebuffer(GL_FRAMEBUFFER, target.framebuffer);
    glViewport(0, 0, 16, 16);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, shadowBlur.firstTarget.texture);
    model.draw(&shadowBlur);

    GLint activeUnit = 0;
    glGetIntegerv(GL_ACTIVE_TEXTURE, &activeUnit);
    EXPECT_EQ(activeUnit, GL_TEXTURE1);
    GLint program = -1;
    glGetIntegerv(GL_CURRENT_PROGRAM, &program);
    EXPECT_EQ(program, 0);
    EXPECT_EQ(textureOnUnit(GL_TEXTURE1), 0);
    EXPECT_EQ(textureOnUnit(GL_TEXTURE0), static_cast<GLint>(texture.id));
    const TestSupport::Rgb color = TestSupport::meanColor(target.framebuffer, 0, 0, 16, 16);
    EXPECT_NEAR(color[0], 200, 2);
    EXPECT_NEAR(color[1], 120, 2);
    EXPECT_NEAR(color[2], 40, 2);

    glBindTexture(GL_TEXTURE_2D, 0);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
}

TEST(LitModelDrawGL, UploadsAsManyLightsAsThereAreIntensities) {
    Shader celShader("Shaders/celShader.vert", "Shaders/celShader.frag");
    Scene::LitModel model(glm::mat4(1.0f), &celShader, "SceneObjects/Screen_Quad.obj",
                          Scene::LitModel::MatrixUpload::WithMaterial);
    Material material{glm::vec3(1.0f), glm::vec3(0.0f), glm::vec3(0.0f), 8.0f};
    model.material = &material;
    // One intensity means one light, although the other sequences carry a second light's values.
    model.setMaterialAndLights(PointLightArrays{
        {1.0f, 2.0f, 3.0f, 4.0f, 5.0f, 6.0f}, {1.0f, 1.0f, 0.0f, 1.0f, 1.0f, 0.0f}, {1.8f}, {1.0f, 0.7f}});

    const GLuint program = celShader.program;
    const auto firstComponent = [program](const char* name) {
        GLfloat value[3] = {-1.0f, -1.0f, -1.0f};
        glGetUniformfv(program, glGetUniformLocation(program, name), value);
        return value[0];
    };
    EXPECT_EQ(firstComponent("pointLightRanges[0]"), 1.0f);
    EXPECT_EQ(firstComponent("pointLightRanges[1]"), 0.0f);
    EXPECT_EQ(firstComponent("pointLightPositions[0]"), 1.0f);
    EXPECT_EQ(firstComponent("pointLightPositions[1]"), 0.0f);
    glUseProgram(0);
}

} // namespace
} // namespace Velmora
