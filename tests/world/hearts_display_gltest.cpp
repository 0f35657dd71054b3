#include "postfx/scene_framebuffer.hpp"
#include "render/color_target.hpp"
#include "support/gl_pixels.hpp"
#include "world/hearts_display.hpp"

#include <gtest/gtest.h>

namespace Velmora {
namespace {

using TestSupport::Rgb;

// Where the hearts sit on a window of the given height: heart i's centre, in GL's bottom-up pixels.
glm::ivec2 heartCentre(int heart, int windowHeight) {
    return {16 + 56 * heart + 24, windowHeight - 16 - 24};
}

bool isRed(const Rgb& color) {
    return color[0] > 150 && color[1] < 90 && color[2] < 90;
}

bool isGrey(const Rgb& color) {
    return std::abs(color[0] - color[1]) < 20 && std::abs(color[2] - color[1]) < 20 && color[2] < 120;
}

bool isBackground(const Rgb& color) {
    return color[0] < 10 && color[1] < 10 && color[2] > 240;
}

TEST(HeartsDisplayGL, ShowOneFullHeartPerLifeAtAFixedSizeInTheTopLeftCorner) {
    const SceneFramebuffer quadHolder;
    HeartsDisplay hearts;
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    for (const glm::ivec2 window : {glm::ivec2(240, 120), glm::ivec2(400, 300)}) {
        const ColorTarget target(window.x, window.y);
        glBindFramebuffer(GL_FRAMEBUFFER, target.framebuffer);
        glViewport(0, 0, window.x, window.y);
        hearts.setWindowSize(static_cast<float>(window.x), static_cast<float>(window.y));
        for (int lives = 3; lives >= 0; --lives) {
            glClearColor(0.0f, 0.0f, 1.0f, 1.0f);
            glClear(GL_COLOR_BUFFER_BIT);
            hearts.draw(quadHolder.quad->vao, quadHolder.quad->indexCount, lives);
            for (int heart = 0; heart < HeartsDisplay::heartCount; ++heart) {
                const glm::ivec2 centre = heartCentre(heart, window.y);
                const Rgb color =
                    TestSupport::meanColor(target.framebuffer, centre.x - 3, centre.y - 3, 7, 7);
                const bool full = heart < lives;
                EXPECT_TRUE(full ? isRed(color) : isGrey(color))
                    << "window " << window.x << "x" << window.y << ", " << lives << " lives, heart "
                    << heart + 1 << ": " << color[0] << " " << color[1] << " " << color[2];
                // The image's black corners are keyed out: the picture shows through around the heart.
                const Rgb corner = TestSupport::pixelAt(target.framebuffer, centre.x - 22, centre.y + 22);
                EXPECT_TRUE(isBackground(corner)) << corner[0] << " " << corner[1] << " " << corner[2];
            }
            // Nothing is drawn below the row of hearts.
            EXPECT_TRUE(isBackground(TestSupport::meanColor(target.framebuffer, 16, window.y - 80, 160, 8)));
        }
    }
    glDisable(GL_BLEND);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
}

} // namespace
} // namespace Velmora
