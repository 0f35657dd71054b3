#include "app/game_window.hpp"

#include "app/desktop_window.hpp"
#include "app/game_state.hpp"
#include "app/launch_options.hpp"
#include "app/window_config.hpp"
#include "math/camera.hpp"
#include "platform/console.hpp"
#include "render/text_overlay.hpp"
#include "world/hearts_display.hpp"

#include <GL/glew.h>
#include <GLFW/glfw3.h>
#include <string>

namespace Velmora {
namespace {

// The largest window side the game opens: the largest viewport and default framebuffer that GL drivers
// commonly take. The X libraries abort on some larger sizes instead of refusing them.
constexpr int largestWindowSide = 16384;

bool isOpenableSide(int side) {
    return side >= 1 && side <= largestWindowSide;
}

[[noreturn]] void failToOpenWindow() {
    glfwTerminate();
    fatalError("Failed to open window!");
}

const char* glErrorName(GLenum error) {
    switch (error) {
    case GL_INVALID_ENUM:
        return "INVALID_ENUM";
    case GL_INVALID_VALUE:
        return "INVALID_VALUE";
    case GL_INVALID_OPERATION:
        return "INVALID_OPERATION";
    case GL_STACK_OVERFLOW:
        return "STACK_OVERFLOW";
    case GL_STACK_UNDERFLOW:
        return "STACK_UNDERFLOW";
    case GL_OUT_OF_MEMORY:
        return "OUT_OF_MEMORY";
    case GL_INVALID_FRAMEBUFFER_OPERATION:
        return "INVALID_FRAMEBUFFER_OPERATION";
    default:
        return nullptr;
    }
}

} // namespace

void openWindow(const LaunchOptions& options) {
    auto* config = new WindowConfig();
    readFullscreenConfig(*config);
    readAsteroidSpawnerConfig(*config);
    config->fullscreen = options.fullscreen.value_or(config->fullscreen);
    windowWidth = config->width;
    windowHeight = config->height;
    asteroidSpawnRate = config->asteroidSpawnRate;
    asteroidSpawnDuration = config->asteroidSpawnDuration;

    // GLFW asserts on a negative size instead of refusing it, and the X server fails on sides past its
    // limits.
    if (!isOpenableSide(windowWidth) || !isOpenableSide(windowHeight)) {
        failToOpenWindow();
    }
    glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 3);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 3);
    glfwWindowHint(GLFW_OPENGL_PROFILE, GLFW_OPENGL_CORE_PROFILE);
    nameWindowClass();
    // With on-screen messages the window comes up with its first finished picture, never black (see the frame
    // loop).
    glfwWindowHint(GLFW_VISIBLE, options.onScreenMessages ? GLFW_FALSE : GLFW_TRUE);
    GLFWmonitor* monitor = config->fullscreen ? glfwGetPrimaryMonitor() : nullptr;
    window = glfwCreateWindow(windowWidth, windowHeight, "", monitor, nullptr);
    if (window == nullptr) {
        failToOpenWindow();
    }
    keepWindowedSize(windowWidth, windowHeight);
    glfwMakeContextCurrent(window);
    // One frame a refresh: a fast machine would otherwise draw thousands of frames a second nobody sees, on a
    // driver whose default is not to wait. The driver's own switch still turns this off.
    glfwSwapInterval(1);
    glfwSetWindowTitle(window, "Velmora");

    glClearColor(0.0f, 1.0f, 1.0f, 0.0f);
    glViewport(0, 0, windowWidth, windowHeight);
    glfwSetInputMode(window, GLFW_CURSOR, GLFW_CURSOR_HIDDEN);
    // With software rendering a frame can outlast a tap of a key; sticky keys keep the press for the next
    // poll.
    glfwSetInputMode(window, GLFW_STICKY_KEYS, GLFW_TRUE);
    delete config;
}

void windowSizeCallback(GLFWwindow*, int width, int height) {
    // A minimised window reports a zero size: there is no aspect ratio to project with and nothing to show.
    if (width <= 0 || height <= 0) {
        return;
    }
    windowWidth = width;
    windowHeight = height;
    glViewport(0, 0, width, height);
    if (camera != nullptr)
        camera->setGamePerspective(windowWidth, windowHeight);
    if (hearts != nullptr) {
        hearts->setWindowSize(static_cast<float>(windowWidth), static_cast<float>(windowHeight));
    }
    if (textOverlay != nullptr) {
        textOverlay->setWindowSize(static_cast<float>(windowWidth), static_cast<float>(windowHeight));
    }
}

void reportGlError() {
    const GLenum error = glGetError();
    const char* name = glErrorName(error);
    if (name != nullptr) {
        printLine(std::string("GL ERROR DETECTED!!! ") + name + " (" + std::to_string(error) + ")");
    }
}

} // namespace Velmora
