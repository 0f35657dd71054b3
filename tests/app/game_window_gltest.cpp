#include "app/game_window.hpp"

#include <GL/glew.h>
#include <gtest/gtest.h>

using Velmora::reportGlError;

namespace {

std::string reportedLine() {
    testing::internal::CaptureStdout();
    reportGlError();
    return testing::internal::GetCapturedStdout();
}

} // namespace

TEST(GlErrorReportGL, PrintsOnePendingErrorPerFrameWithNameAndCode) {
    EXPECT_EQ(reportedLine(), "");

    // The report reads the error, so the next frame starts clean.
    glEnable(GL_TEXTURE_2D);
    EXPECT_EQ(reportedLine(), "GL ERROR DETECTED!!! INVALID_ENUM (1280)\n");
    EXPECT_EQ(reportedLine(), "");

    glViewport(0, 0, -1, -1);
    EXPECT_EQ(reportedLine(), "GL ERROR DETECTED!!! INVALID_VALUE (1281)\n");
    glBindFramebuffer(GL_FRAMEBUFFER, 4242424242u);
    EXPECT_EQ(reportedLine(), "GL ERROR DETECTED!!! INVALID_OPERATION (1282)\n");
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
}
