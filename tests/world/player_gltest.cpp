#include "world/player.hpp"

#include "math/camera.hpp"
#include "math/world_transforms.hpp"
#include "postfx/scene_framebuffer.hpp"
#include "render/color_target.hpp"
#include "render/shadow_blur.hpp"
#include "render/shadow_map.hpp"
#include "support/gl_pixels.hpp"
#include "support/start_placement.hpp"

#include <cmath>
#include <glm/gtc/matrix_transform.hpp>
#include <gtest/gtest.h>
#include <set>
#include <utility>

namespace Velmora {
namespace {

constexpr int targetSize = 32;

// A camera just in front of the character's face, so that it fills the small target.
Camera cameraFacing(const Player& player) {
    Camera camera;
    camera.setPerspective(0.01f, 10.0f, 45.0f, targetSize, targetSize);
    const glm::vec3 position = player.position();
    const glm::vec3 facing(player.body->modelMatrix[2]);
    camera.worldTransform =
        glm::inverse(glm::lookAt(position + 0.2f * facing, position, glm::normalize(position)));
    return camera;
}

int pixelsOtherThan(const std::vector<unsigned char>& rgb, const TestSupport::Rgb& background) {
    int count = 0;
    for (size_t i = 0; i + 2 < rgb.size(); i += 3) {
        const TestSupport::Rgb pixel{rgb[i], rgb[i + 1], rgb[i + 2]};
        if (pixel != background) {
            ++count;
        }
    }
    return count;
}

TEST(PlayerGL, BuildsEightPartsAtTheStartPlacement) {
    const Player player;
    EXPECT_EQ(player.lives, 3);
    EXPECT_EQ(player.speed, 40.0f);
    EXPECT_FALSE(player.shieldActive);

    EXPECT_NEAR(glm::distance(player.position(), TestSupport::playerStart()), 0.0f, 1e-5f);
    std::set<GLuint> programs;
    for (const Scene::PlayerModel* part : player.parts()) {
        ASSERT_NE(part, nullptr);
        EXPECT_EQ(part->modelMatrix, player.body->modelMatrix);
        EXPECT_EQ(part->referenceMatrix, player.body->referenceMatrix);
        EXPECT_EQ(part->metalTexture, player.metalTexture.get());
        EXPECT_GT(part->indexCount, 0u);
        programs.insert(part->shader->program);
    }
    EXPECT_EQ(programs.size(), 8u);
    EXPECT_EQ(player.eyeBall->colorTexture, player.eyeBallTexture.get());
    EXPECT_EQ(player.eyeBall->material, player.eyeMaterial.get());
    EXPECT_EQ(player.armRight->colorTexture, player.skinTexture.get());
    EXPECT_EQ(player.footLeft->colorTexture, player.shoeTexture.get());
    EXPECT_EQ(player.body->material, player.skinMaterial.get());
    EXPECT_EQ(player.eyeMaterial->specularFactor, glm::vec3(10.0f));

    const std::vector<const Texture*> sampled = player.samplingTextures();
    const std::vector<const Texture*> expected{player.eyeTexture.get(), player.eyeBallTexture.get(),
                                               player.skinTexture.get(), player.bodyTexture.get(),
                                               player.shoeTexture.get()};
    EXPECT_EQ(sampled, expected);
}

TEST(PlayerGL, DrawsShadowsAndPartsWithTheShieldTextureWhileItIsUp) {
    Player player;
    const ShadowMap shadowMap;
    const SceneFramebuffer sceneFramebuffer;
    const ShadowBlur shadowBlur(sceneFramebuffer.quad->vao, sceneFramebuffer.quad->indexCount);
    const glm::vec3 light = glm::normalize(player.position());
    const Camera camera = cameraFacing(player);
    player.uploadMaterialAndLights(PointLightArrays{{0.0f, 1.2f, 0.0f}, {1.0f, 0.8f, 0.5f}, {1.0f}, {0.3f}});
    player.update(FrameUniforms{light, camera, shadowMap, player.position(), 0.0});
    player.updateShadowMatrices(light, shadowMap);

    glBindFramebuffer(GL_FRAMEBUFFER, shadowMap.framebuffer);
    glViewport(0, 0, ShadowMap::size, ShadowMap::size);
    glClear(GL_DEPTH_BUFFER_BIT);
    player.drawShadows();
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

    const ColorTarget target(targetSize, targetSize);
    glBindFramebuffer(GL_FRAMEBUFFER, target.framebuffer);
    glViewport(0, 0, targetSize, targetSize);
    glClearColor(1.0f, 0.0f, 1.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    const SceneDraw scene{light, camera, true, false, false, shadowMap, shadowBlur, RendererKind::Software};
    EXPECT_EQ(player.draw(scene), 8);
    EXPECT_EQ(TestSupport::textureOnUnitZero(), static_cast<GLint>(player.shoeTexture->id));
    const std::vector<unsigned char> plain =
        TestSupport::readPixels(target.framebuffer, 0, 0, targetSize, targetSize);
    EXPECT_GT(pixelsOtherThan(plain, {255, 0, 255}), targetSize * targetSize / 10);

    player.shieldActive = true;
    glClear(GL_COLOR_BUFFER_BIT);
    player.draw(scene);
    EXPECT_EQ(TestSupport::textureOnUnitZero(), static_cast<GLint>(player.metalTexture->id));
    const std::vector<unsigned char> shielded =
        TestSupport::readPixels(target.framebuffer, 0, 0, targetSize, targetSize);
    EXPECT_NE(shielded, plain);

    player.eye->drawPart(shadowBlur, false);
    EXPECT_EQ(TestSupport::textureOnUnitZero(), static_cast<GLint>(player.eyeTexture->id));
    glBindTexture(GL_TEXTURE_2D, 0);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
}

TEST(PlayerGL, WalkingCarriesAllPartsAlongTheSurfaceWhileTheLimbsSwing) {
    Player player;
    Camera camera;
    translateInWorld(camera.worldTransform, TestSupport::startCameraPosition(), 1.0);
    const ObstaclePositions noObstacles;

    // A frame without time moves nothing, not even the limbs.
    std::vector<glm::mat4> before;
    for (const Scene::PlayerModel* part : player.parts()) {
        before.push_back(part->modelMatrix);
    }
    glm::vec3 axis(0.0f);
    player.moveForward(axis, camera.position(), player.speed, 0.0, noObstacles);
    for (size_t i = 0; i < before.size(); ++i) {
        EXPECT_EQ(player.parts()[i]->modelMatrix, before[i]) << "part " << i;
    }

    const glm::vec3 start = player.position();
    const double frameTime = 1.0 / 60.0;
    for (int frame = 0; frame < 60; ++frame) {
        player.moveForward(axis, camera.position(), player.speed, frameTime, noObstacles);
        camera.rotateCamera(player.speed, frameTime, axis);
    }
    EXPECT_NEAR(glm::distance(axis, glm::vec3(-1.0f, 0.0f, 0.0f)), 0.0f, 1e-5f);
    const glm::vec3 end = player.position();
    const float height = PlayerPartTransform::startHeight;
    EXPECT_NEAR(glm::length(end), height, 1e-5f);
    EXPECT_NEAR(glm::degrees(std::acos(glm::dot(start, end) / (height * height))), 40.0f, 0.05f);
    EXPECT_GT(end.y, start.y);

    // The body keeps its heading point rigidly attached; only arms and feet leave the body's orientation.
    const glm::mat4 expectedReference =
        player.body->modelMatrix * glm::translate(glm::mat4(1.0f), glm::vec3(0.0f, -1.0f, 1.0f));
    for (int column = 0; column < 4; ++column) {
        EXPECT_NEAR(glm::distance(player.body->referenceMatrix[column], expectedReference[column]), 0.0f,
                    1e-5f);
    }
    for (const Scene::PlayerModel* part : player.parts()) {
        EXPECT_NEAR(glm::distance(translationOf(part->modelMatrix), end), 0.0f, 1e-6f);
    }
    EXPECT_EQ(player.head->modelMatrix, player.body->modelMatrix);
    EXPECT_EQ(player.eyeBall->modelMatrix, player.body->modelMatrix);
    EXPECT_NE(player.armLeft->modelMatrix, player.body->modelMatrix);
    EXPECT_NE(player.footRight->modelMatrix, player.footLeft->modelMatrix);
    EXPECT_LE(std::fabs(player.swingAngle), 30.0 + 200.0 * frameTime);
    EXPECT_NE(player.swingAngle, 0.0);
    // Left and right limbs turn from the body by equal and opposite angles, so the two turns undo each other.
    const glm::mat4 fromBody = glm::inverse(player.body->modelMatrix);
    for (const auto& [left, right] : {std::pair(player.armLeft.get(), player.armRight.get()),
                                      std::pair(player.footLeft.get(), player.footRight.get())}) {
        const glm::mat4 both = fromBody * left->modelMatrix * fromBody * right->modelMatrix;
        for (int column = 0; column < 3; ++column) {
            EXPECT_NEAR(glm::distance(both[column], glm::mat4(1.0f)[column]), 0.0f, 1e-4f);
        }
    }
}

} // namespace
} // namespace Velmora
