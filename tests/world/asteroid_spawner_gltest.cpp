#include "math/camera.hpp"
#include "math/world_transforms.hpp"
#include "postfx/scene_framebuffer.hpp"
#include "render/color_target.hpp"
#include "render/shadow_blur.hpp"
#include "render/shadow_map.hpp"
#include "support/gl_pixels.hpp"
#include "support/start_placement.hpp"
#include "support/uniform_values.hpp"
#include "world/asteroid_spawner.hpp"

#include <gtest/gtest.h>

namespace Velmora {
namespace {

const glm::vec3 light(0.0f, 0.0f, 1.0f);

void addAsteroid(AsteroidShower& shower, const glm::vec3& position, bool released) {
    Asteroid asteroid(10.0);
    translateInWorld(asteroid.modelMatrix, position, 1.0);
    asteroid.released = released;
    shower.addAsteroid(asteroid);
}

using TestSupport::uniformValue;

TEST(AsteroidSpawnerGL, DrawsEachAsteroidInPlayThatCanBeSeen) {
    const ShadowMap shadowMap;
    const SceneFramebuffer sceneFramebuffer;
    const ShadowBlur shadowBlur(sceneFramebuffer.quad->vao, sceneFramebuffer.quad->indexCount);
    AsteroidSpawner spawner(0.0, 0.0);
    spawner.uploadMaterialAndLights(PointLightArrays{});
    const Camera camera = TestSupport::cameraAimedAt(glm::vec3(0.0f), 32, 32);
    AsteroidShower& shower = *spawner.shower;
    // In sight, behind the camera, still waiting, and out of play.
    addAsteroid(shower, glm::vec3(0.0f, 0.0f, 2.2f), true);
    addAsteroid(shower, glm::vec3(0.0f, 0.0f, 2.9f), true);
    addAsteroid(shower, glm::vec3(0.0f, 0.05f, 2.2f), false);
    addAsteroid(shower, glm::vec3(0.05f, 0.0f, 2.2f), true);
    shower.asteroidList[3].impacted = true;

    spawner.update(light, 0.0, camera);
    const GLuint program = spawner.shader->program;
    EXPECT_EQ(uniformValue<glm::vec3>(program, "lightVector"), light);
    EXPECT_EQ(uniformValue<glm::vec4>(program, "cameraPosition"), camera.positionColumn());

    const ColorTarget target(32, 32);
    glBindFramebuffer(GL_FRAMEBUFFER, target.framebuffer);
    glViewport(0, 0, 32, 32);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    EXPECT_EQ(spawner.draw(
                  SceneDraw{light, camera, true, false, true, shadowMap, shadowBlur, RendererKind::Software}),
              1);
    const TestSupport::Rgb rock = TestSupport::meanColor(target.framebuffer, 14, 14, 4, 4);
    EXPECT_GT(TestSupport::brightness(rock), 40) << rock[0] << " " << rock[1] << " " << rock[2];

    const SceneDraw unculled{light, camera,    false,      false,
                             true,  shadowMap, shadowBlur, RendererKind::Software};
    EXPECT_EQ(spawner.draw(unculled), 2);

    shower.asteroidList[0].impacted = true;
    shower.asteroidList[1].impacted = true;
    EXPECT_EQ(spawner.draw(unculled), 0);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
}

} // namespace
} // namespace Velmora
