#include "app/game_loop.hpp"

#include "app/data_folder.hpp"
#include "app/desktop_window.hpp"
#include "app/game_passes.hpp"
#include "app/game_state.hpp"
#include "app/game_window.hpp"
#include "app/gamepad_input.hpp"
#include "app/glfw_gamepad_source.hpp"
#include "app/input.hpp"
#include "app/launch_options.hpp"
#include "platform/console.hpp"
#include "platform/console_backlog.hpp"
#include "platform/lost_display.hpp"
#include "platform/sound.hpp"
#include "platform/system_libraries.hpp"

#include <GL/glew.h>
#include <GLFW/glfw3.h>
#include <cstdlib>
#include <ctime>

namespace Velmora {
namespace {

void startUp(const LaunchOptions& options) {
    prepareConsole();
    onScreenMessages = options.onScreenMessages;
    enterDataFolder();
    std::srand(static_cast<unsigned int>(std::time(nullptr)));
    keepSystemLibrariesLoaded();
    if (glfwInit() == GLFW_FALSE) {
        fatalError("Failed to init GLFW!");
    }
    openWindow(options);
    glewExperimental = GL_TRUE;
    if (glewInit() != GLEW_OK) {
        fatalError("Failed to initialize glew!");
    }
    // GLEW's probing of a core context can leave an error behind that is not the game's.
    glGetError();
    openSoundOutput();
    initializeGame();
    setWindowIcon();
}

void runFrames() {
    GlfwGamepadSource gamepadSource;
    GamepadInput gamepad(gamepadSource);
    double previousFrameTime = 0.0;
    bool shown = false;
    deltaTime = 0.0;
    while (glfwWindowShouldClose(window) == GLFW_FALSE) {
        const double now = glfwGetTime();
        deltaTime = now - previousFrameTime;
        previousFrameTime = now;
        ConsoleBacklog::standardOutput().drain();
        endGameOnLostDisplay();
        glfwPollEvents();
        const InputActions pad = gamepad.poll(steeringFrozen(), deltaTime);
        gamepadPlaying = gamepad.playing();
        applyPresses(pad);
        advanceGame(deltaTime, pad);
        renderGame();
        glfwSwapBuffers(window);
        // A window opened hidden shows with its first picture; later, only the player hides or shows it.
        if (!shown) {
            glfwShowWindow(window);
            shown = true;
        }
        reportGlError();
    }
}

} // namespace

int runGame(const LaunchOptions& options) {
    startUp(options);
    runFrames();
    cleanUpGame();
    closeSoundOutput();
    glfwTerminate();
    ConsoleBacklog::standardOutput().drainBeforeExit();
    return 0;
}

} // namespace Velmora
