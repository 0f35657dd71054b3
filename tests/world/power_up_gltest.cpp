#include "math/camera.hpp"
#include "math/world_transforms.hpp"
#include "postfx/color_target.hpp"
#include "postfx/shadow_blur.hpp"
#include "postfx/shadow_map.hpp"
#include "support/gl_pixels.hpp"
#include "world/life_power_up.hpp"
#include "world/player.hpp"
#include "world/shield_power_up.hpp"
#include "world/speed_power_up.hpp"

#include <glm/gtc/matrix_transform.hpp>
#include <gtest/gtest.h>

namespace Velmora {
namespace {

using Logicals::PowerUp;

constexpr int targetSize = 32;

// One player and the three kinds, built once: loading them is the slow part.
class PowerUpGL : public testing::Test {
protected:
    static void SetUpTestSuite() {
        player = new Player();
        shadowBlur = new ShadowBlur();
        speed = new Logicals::SpeedPowerUp();
        life = new Logicals::LifePowerUp();
        shield = new Logicals::ShieldPowerUp();
    }

    static void TearDownTestSuite() {
        delete speed;
        delete life;
        delete shield;
        delete shadowBlur;
        delete player;
    }

    void SetUp() override {
        player->lives = 3;
        player->speed = 40.0f;
        player->shieldActive = false;
        for (PowerUp* item :
             {static_cast<PowerUp*>(speed), static_cast<PowerUp*>(life), static_cast<PowerUp*>(shield)}) {
            item->spawned = false;
            item->collected = false;
        }
    }

    // The item lies at the given distance from the player, at the player's height.
    static void layNearPlayer(PowerUp& item, float distance) {
        const glm::vec3 up = glm::normalize(player->position());
        const glm::vec3 along = glm::normalize(glm::cross(up, glm::vec3(1.0f, 0.0f, 0.0f)));
        item.model->modelMatrix = glm::translate(glm::mat4(1.0f), player->position() + distance * along);
        item.spawned = true;
    }

    // The player's parts drawn once; the texture left on unit 0 is the one the last part was drawn with.
    static GLint playerDrawTexture() {
        const ColorTarget target(targetSize, targetSize);
        glBindFramebuffer(GL_FRAMEBUFFER, target.framebuffer);
        player->draw(*shadowBlur);
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
        return TestSupport::textureOnUnitZero();
    }

    static Player* player;
    static ShadowBlur* shadowBlur;
    static Logicals::SpeedPowerUp* speed;
    static Logicals::LifePowerUp* life;
    static Logicals::ShieldPowerUp* shield;
};

Player* PowerUpGL::player = nullptr;
ShadowBlur* PowerUpGL::shadowBlur = nullptr;
Logicals::SpeedPowerUp* PowerUpGL::speed = nullptr;
Logicals::LifePowerUp* PowerUpGL::life = nullptr;
Logicals::ShieldPowerUp* PowerUpGL::shield = nullptr;

TEST_F(PowerUpGL, LifeGivesOneBackUpToThreeAndIsUsedUpEitherWay) {
    layNearPlayer(*life, 0.16f);
    life->checkCollect(*player);
    EXPECT_TRUE(life->spawned);

    layNearPlayer(*life, 0.1f);
    life->checkCollect(*player);
    EXPECT_EQ(player->lives, 3);
    EXPECT_FALSE(life->spawned);
    // An absent item cannot be picked up where it last lay.
    player->lives = 2;
    life->checkCollect(*player);
    EXPECT_EQ(player->lives, 2);

    layNearPlayer(*life, 0.0f);
    life->checkCollect(*player);
    EXPECT_EQ(player->lives, 3);
    EXPECT_FALSE(life->spawned);
}

TEST_F(PowerUpGL, SpeedLastsJustOverFiveSecondsWhileTheItemStaysHidden) {
    layNearPlayer(*speed, 0.1f);
    speed->checkCollect(*player);
    speed->checkCollect(*player);
    EXPECT_FLOAT_EQ(player->speed, 56.0f);
    EXPECT_FALSE(speed->isVisible());

    // While active the item neither bobs nor is drawn.
    const ShadowMap shadowMap;
    const Camera camera;
    const glm::mat4 hidden = speed->model->modelMatrix;
    for (int step = 0; step < 10; ++step) {
        speed->update(glm::vec3(0.0f, 0.0f, 1.0f), camera, shadowMap, 0.5);
        speed->updateEffect(*player, 0.5);
    }
    EXPECT_EQ(speed->model->modelMatrix, hidden);
    EXPECT_EQ(speed->draw(*shadowBlur), 0);
    EXPECT_FLOAT_EQ(player->speed, 56.0f);
    EXPECT_TRUE(speed->spawned);

    speed->updateEffect(*player, 0.001);
    EXPECT_NEAR(player->speed, 40.0f, 1e-4f);
    EXPECT_FALSE(speed->spawned);
    EXPECT_FALSE(speed->collected);
    speed->updateEffect(*player, 6.0);
    EXPECT_NEAR(player->speed, 40.0f, 1e-4f);
}

TEST_F(PowerUpGL, ShieldMakesThePlayerMetallicForJustOverFiveSeconds) {
    layNearPlayer(*shield, 0.1f);
    shield->checkCollect(*player);
    EXPECT_TRUE(player->shieldActive);
    EXPECT_EQ(playerDrawTexture(), static_cast<GLint>(player->metalTexture->id));

    shield->updateEffect(*player, 2.5);
    shield->updateEffect(*player, 2.5);
    EXPECT_TRUE(player->shieldActive);
    EXPECT_EQ(playerDrawTexture(), static_cast<GLint>(player->metalTexture->id));
    shield->updateEffect(*player, 0.001);
    EXPECT_FALSE(player->shieldActive);
    EXPECT_FALSE(shield->spawned);
    EXPECT_EQ(playerDrawTexture(), static_cast<GLint>(player->shoeTexture->id));
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

// Seen from just above, the three kinds show a yellow, a red and a blue face.
TEST_F(PowerUpGL, LyingItemsUploadTheirPlaceBeforeTheBobAndShowTheirColours) {
    const ShadowMap shadowMap;
    const ColorTarget target(targetSize, targetSize);
    std::vector<TestSupport::Rgb> colours;
    for (PowerUp* item :
         {static_cast<PowerUp*>(speed), static_cast<PowerUp*>(life), static_cast<PowerUp*>(shield)}) {
        item->uploadMaterialAndLights(PointLightArrays{});
        layNearPlayer(*item, 0.3f);
        const glm::vec3 place = item->position();
        const glm::vec3 up = glm::normalize(place);
        Camera camera;
        camera.setPerspective(0.01f, 10.0f, 45.0f, targetSize, targetSize);
        camera.worldTransform =
            glm::inverse(glm::lookAt(place + 0.08f * up, place, glm::vec3(1.0f, 0.0f, 0.0f)));
        const glm::mat4 before = item->model->modelMatrix;
        item->update(up, camera, shadowMap, 0.1);
        EXPECT_EQ(TestSupport::uniformMatrix(item->shader->program, "modelMatrix"), before);
        EXPECT_NEAR(glm::length(item->position()) - glm::length(place), 0.005f, 1e-5f);

        glBindFramebuffer(GL_FRAMEBUFFER, target.framebuffer);
        glViewport(0, 0, targetSize, targetSize);
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        EXPECT_EQ(item->draw(*shadowBlur), 1);
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
        colours.push_back(TestSupport::meanColor(target.framebuffer, 8, 8, 16, 16));
    }
    const TestSupport::Rgb yellow = colours[0];
    const TestSupport::Rgb red = colours[1];
    const TestSupport::Rgb blue = colours[2];
    EXPECT_GT(std::min(yellow[0], yellow[1]), yellow[2] + 60);
    EXPECT_GT(red[0], std::max(red[1], red[2]) + 60);
    EXPECT_GT(blue[2], std::max(blue[0], blue[1]) + 30);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

} // namespace
} // namespace Velmora
