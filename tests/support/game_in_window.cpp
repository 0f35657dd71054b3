#include "support/game_in_window.hpp"

#include "app/game_passes.hpp"
#include "app/game_state.hpp"
#include "app/input.hpp"
#include "support/gl_context.hpp"

#include <GLFW/glfw3.h>
#include <cstdlib>

namespace TestSupport {

std::unique_ptr<GameSnapshot> GameInWindow::atStart;

void GameInWindow::setUp() {
    Velmora::window = glTestWindow();
    glfwGetWindowSize(Velmora::window, &Velmora::windowWidth, &Velmora::windowHeight);
    std::srand(randomSeed);
    Velmora::initializeGame();
    // The hidden window never has focus; the tests play it as a focused one with the pointer at its centre.
    Velmora::windowFocusCallback(Velmora::window, GLFW_TRUE);
    Velmora::cursorPosCallback(Velmora::window, Velmora::windowWidth / 2, Velmora::windowHeight / 2);
    atStart = std::make_unique<GameSnapshot>();
}

// The window outlives the game, so the game's callbacks leave with it. The game's flags outlive it too: put
// back as they were, they cannot carry a test's last switch into the next suite's start.
void GameInWindow::tearDown() {
    atStart->restore();
    atStart.reset();
    Velmora::cleanUpGame();
    glfwSetWindowSizeCallback(Velmora::window, nullptr);
    glfwSetKeyCallback(Velmora::window, nullptr);
    glfwSetCursorPosCallback(Velmora::window, nullptr);
    glfwSetScrollCallback(Velmora::window, nullptr);
    glfwSetWindowFocusCallback(Velmora::window, nullptr);
    glfwSetWindowIconifyCallback(Velmora::window, nullptr);
    Velmora::window = nullptr;
}

void GameInWindow::restore() {
    atStart->restore();
    std::srand(randomSeed);
}

} // namespace TestSupport
