#include "headless_game.hpp"

#include "app/data_folder.hpp"
#include "app/game_passes.hpp"
#include "app/game_state.hpp"
#include "app/input_actions.hpp"
#include "platform/console.hpp"
#include "platform/image_file.hpp"
#include "platform/system_libraries.hpp"

#include <GL/glew.h>
#include <GLFW/glfw3.h>

namespace Velmora {
namespace {

void openHiddenWindow(int width, int height) {
    keepSystemLibrariesLoaded();
    if (glfwInit() == GLFW_FALSE) {
        fatalError("Failed to init GLFW!");
    }
    glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 3);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 3);
    glfwWindowHint(GLFW_OPENGL_PROFILE, GLFW_OPENGL_CORE_PROFILE);
    glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
    window = glfwCreateWindow(width, height, "Velmora", nullptr, nullptr);
    if (window == nullptr) {
        glfwTerminate();
        fatalError("Failed to open window!");
    }
    glfwMakeContextCurrent(window);
    // Frames are timed as fast as they go, never held to the screen's refresh.
    glfwSwapInterval(0);
    glewExperimental = GL_TRUE;
    if (glewInit() != GLEW_OK) {
        fatalError("Failed to initialize glew!");
    }
    glGetError();
}

} // namespace

HeadlessGame::HeadlessGame(int width, int height) : windowWidthPixels(width), windowHeightPixels(height) {
    enterDataFolder();
    openHiddenWindow(width, height);
    windowWidth = width;
    windowHeight = height;
    initializeGame();
}

HeadlessGame::~HeadlessGame() {
    cleanUpGame();
    glfwTerminate();
    window = nullptr;
}

void HeadlessGame::runFrame(double frameTime) {
    update(frameTime);
    renderAndShow();
}

void HeadlessGame::update(double frameTime) {
    deltaTime = frameTime;
    advanceGame(frameTime, InputActions{});
}

void HeadlessGame::renderAndShow() {
    renderGame();
    glfwSwapBuffers(window);
}

std::vector<unsigned char> HeadlessGame::windowPixels() const {
    std::vector<unsigned char> pixels(static_cast<size_t>(windowWidthPixels) * windowHeightPixels * 3);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, 0);
    // A hidden window's front buffer is not readable; the back buffer still holds the frame just swapped.
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, windowWidthPixels, windowHeightPixels, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

void HeadlessGame::savePng(const std::string& path) const {
    const std::vector<unsigned char> pixels = windowPixels();
    if (!saveImage(path, windowWidthPixels, windowHeightPixels, 3, pixels.data())) {
        fatalError("Failed to save picture! - " + path);
    }
}

} // namespace Velmora
