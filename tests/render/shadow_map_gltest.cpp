#include "postfx/screen_quad_model.hpp"
#include "render/gl_uniforms.hpp"
#include "render/shadow_map.hpp"

#include <algorithm>
#include <glm/gtc/matrix_transform.hpp>
#include <gtest/gtest.h>
#include <vector>

namespace Velmora {
namespace {

constexpr float tolerance = 1e-5f;

glm::vec3 mapped(const glm::mat4& matrix, const glm::vec3& point) {
    const glm::vec4 result = matrix * glm::vec4(point, 1.0f);
    return glm::vec3(result) / result.w;
}

TEST(ShadowMapGL, BiasedLightMatrixMapsTheLightAxisToTheMapCentreAndTheBoxToTheUnitCube) {
    const ShadowMap shadowMap;
    const glm::mat4 identity(1.0f);
    for (const glm::vec3& light :
         {glm::vec3(0.0f, 0.0f, 1.0f), glm::vec3(1.0f, 0.0f, 0.0f),
          glm::normalize(glm::vec3(-1.0f, 0.0f, 1.0f)), glm::vec3(0.0f, 0.0f, -1.0f)}) {
        SCOPED_TRACE(light.x);
        const glm::mat4 biased = shadowMap.computeLightMVP(light, true, identity);
        float previousDepth = -1.0f;
        for (float along : {-2.0f, -1.0f, 0.0f, 0.7f, 2.0f}) {
            const glm::vec3 onAxis = mapped(biased, light * along);
            EXPECT_NEAR(onAxis.x, 0.5f, tolerance);
            EXPECT_NEAR(onAxis.y, 0.5f, tolerance);
            // The model matrix is applied first: an object placed on the axis lands there too.
            const glm::mat4 placed = glm::translate(identity, light * along);
            EXPECT_NEAR(mapped(shadowMap.computeLightMVP(light, true, placed), glm::vec3(0.0f)).x, 0.5f,
                        tolerance);
            // Points nearer the sun are nearer the light.
            const float depth = 1.0f - onAxis.z;
            EXPECT_GT(depth, previousDepth);
            previousDepth = depth;
        }
        const glm::vec3 anywhere(0.3f, 0.8f, -0.2f);
        const glm::vec3 clip = mapped(shadowMap.computeLightMVP(light, false, identity), anywhere);
        const glm::vec3 texture = mapped(biased, anywhere);
        for (int i = 0; i < 3; ++i) {
            EXPECT_NEAR(texture[i], (clip[i] + 1.0f) / 2.0f, tolerance);
        }
    }
    // Sun on +z: the box reaches 1.5 sideways and from 2.5 in front of the centre to 2.5 behind it.
    const glm::mat4 fromZ = shadowMap.computeLightMVP(glm::vec3(0.0f, 0.0f, 1.0f), true, identity);
    EXPECT_NEAR(mapped(fromZ, glm::vec3(1.5f, 0.0f, 0.0f)).x, 1.0f, tolerance);
    EXPECT_NEAR(mapped(fromZ, glm::vec3(0.0f, -1.5f, 0.0f)).y, 0.0f, tolerance);
    EXPECT_NEAR(mapped(fromZ, glm::vec3(0.0f, 0.0f, 2.5f)).z, 0.0f, tolerance);
    EXPECT_NEAR(mapped(fromZ, glm::vec3(0.0f, 0.0f, -2.5f)).z, 1.0f, tolerance);
}

// Draws one caster into the shadow map as the shadow pass does and returns the nearest depth it left.
float nearestDepthAfterDrawing(const ShadowMap& shadowMap, Scene::SceneObject& caster,
                               const glm::vec3& light) {
    const GLuint program = caster.shadowShader->program;
    glUseProgram(program);
    setUniform(program, "lightMVPMatrix", shadowMap.computeLightMVP(light, false, caster.modelMatrix));
    glUseProgram(0);
    glBindFramebuffer(GL_FRAMEBUFFER, shadowMap.framebuffer);
    glViewport(0, 0, ShadowMap::size, ShadowMap::size);
    glEnable(GL_DEPTH_TEST);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    caster.drawShadow();
    glDisable(GL_DEPTH_TEST);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);

    std::vector<float> depths(static_cast<size_t>(ShadowMap::size * ShadowMap::size));
    glBindTexture(GL_TEXTURE_2D, shadowMap.depthTexture);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_DEPTH_COMPONENT, GL_FLOAT, depths.data());
    glBindTexture(GL_TEXTURE_2D, 0);
    return *std::min_element(depths.begin(), depths.end());
}

TEST(ShadowMapGL, CasterOutsideTheLightBoxLeavesNoTrace) {
    const ShadowMap shadowMap;
    Shader quadShader("Shaders/ScreenQuadShader.vert", "Shaders/ScreenQuadShader.frag");
    // A 0.4-wide square facing a sun on +z.
    Scene::ScreenQuadModel caster(glm::mat4(1.0f), &quadShader, "SceneObjects/Screen_Quad.obj");
    const glm::vec3 light(0.0f, 0.0f, 1.0f);
    const auto placeAt = [&](const glm::vec3& position) {
        caster.modelMatrix = glm::scale(glm::translate(glm::mat4(1.0f), position), glm::vec3(0.2f));
    };

    placeAt(glm::vec3(0.0f, 0.0f, 0.5f));
    EXPECT_LT(nearestDepthAfterDrawing(shadowMap, caster, light), 0.9f);
    placeAt(glm::vec3(1.0f, -1.0f, 0.0f));
    EXPECT_LT(nearestDepthAfterDrawing(shadowMap, caster, light), 0.9f);

    for (const glm::vec3& outside : {glm::vec3(1.8f, 0.0f, 0.0f), glm::vec3(0.0f, -1.8f, 0.5f),
                                     glm::vec3(0.0f, 0.0f, 2.7f), glm::vec3(0.0f, 0.0f, -2.7f)}) {
        SCOPED_TRACE(outside.x + outside.y + outside.z);
        placeAt(outside);
        EXPECT_EQ(nearestDepthAfterDrawing(shadowMap, caster, light), 1.0f);
    }
}

} // namespace
} // namespace Velmora
