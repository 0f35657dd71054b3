// Entry point of the GL tests: one hidden window with a real 3.3 core context serves every test.
#include "platform/system_libraries.hpp"
#include "support/gl_context.hpp"
#include "support/gl_error_listener.hpp"

#include <GL/glew.h>
#include <GLFW/glfw3.h>
#include <cstdio>
#include <gtest/gtest.h>

namespace {
GLFWwindow* testWindow = nullptr;
}

GLFWwindow* glTestWindow() {
    return testWindow;
}

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    // Listing the tests, as ctest does to find them, needs no display.
    if (GTEST_FLAG_GET(list_tests)) {
        return RUN_ALL_TESTS();
    }
    // Death tests re-run the test binary instead of forking a process that shares the GL context's threads.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    Velmora::keepSystemLibrariesLoaded();
    if (glfwInit() == GLFW_FALSE) {
        std::fprintf(stderr, "GL tests need an X display\n");
        return 1;
    }
    glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 3);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 3);
    glfwWindowHint(GLFW_OPENGL_PROFILE, GLFW_OPENGL_CORE_PROFILE);
    glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
    testWindow = glfwCreateWindow(64, 64, "Velmora GL tests", nullptr, nullptr);
    if (testWindow == nullptr) {
        std::fprintf(stderr, "no 3.3 core context\n");
        return 1;
    }
    glfwMakeContextCurrent(testWindow);
    glewExperimental = GL_TRUE;
    if (glewInit() != GLEW_OK) {
        return 1;
    }
    glGetError();
    testing::UnitTest::GetInstance()->listeners().Append(new TestSupport::GlErrorListener);
    const int result = RUN_ALL_TESTS();
    glfwTerminate();
    return result;
}
