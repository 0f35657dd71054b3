#include "app/input.hpp"

#include "app/desktop_window.hpp"
#include "app/game_round.hpp"
#include "app/game_state.hpp"
#include "app/input_actions.hpp"
#include "app/on_screen_text.hpp"
#include "app/walk_intent.hpp"
#include "platform/console.hpp"
#include "render/texture.hpp"
#include "world/world_object.hpp"

#include <GL/glew.h>
#include <GLFW/glfw3.h>
#include <utility>
#include <vector>

namespace Velmora {
namespace {

// Without focus GLFW cannot put the pointer back, so each event would turn the camera by the whole way from
// the centre; and when focus returns the pointer may be anywhere.
bool windowHasFocus = true;
bool pointerAwayFromCentre = false;
// The mouse's and the wheel's moves since the held keys were last polled.
InputActions pointerMoves;
// Enter pressed with Alt belongs to Alt until it is let go: a slow release of Alt starts no shower.
bool enterTakenByAlt = false;
// The controls card paused the game, so closing it continues; any other pause or continue takes that over.
bool pausedByCard = false;

bool isHeld(int key) {
    return glfwGetKey(window, key) == GLFW_PRESS;
}

// The textures the sampling keys act on; power-up, heart and off-screen textures keep their own filters.
std::vector<const Texture*> worldTextures() {
    std::vector<const Texture*> textures;
    for (const WorldEntry& entry : worldObjects()) {
        entry.object->addSamplingTextures(textures);
    }
    return textures;
}

void setMinificationFilter(GLint filter, const Texture& texture) {
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, texture.id);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
    glBindTexture(GL_TEXTURE_2D, 0);
}

void toggle(bool& flag, const char* activated, const char* deactivated) {
    flag = !flag;
    printLine(flag ? activated : deactivated);
}

void togglePause() {
    pausedByCard = false;
    toggle(gamePaused, "pause game", "continue game");
}

// With on-screen messages the card is read in peace: opening it pauses the game as Space does.
void toggleControlsCardAndPause() {
    toggleControlsCard();
    if (!onScreenMessages) {
        return;
    }
    if (controlsCardShown && !steeringFrozen()) {
        togglePause();
        pausedByCard = true;
    } else if (!controlsCardShown && pausedByCard) {
        togglePause();
    }
}

void toggleSampling() {
    toggle(nearestSampling, "changing Texture-Sampling-Quality to GL_NEAREST",
           "changing Texture-Sampling-Quality to GL_LINEAR");
    for (const Texture* texture : worldTextures()) {
        setTextureFilter(nearestSampling ? GL_NEAREST : GL_LINEAR, *texture);
    }
}

void toggleMipmapping() {
    toggle(mipmappingEnabled, "activate mip-mapping", "deactivate mip-mapping");
    const GLint plainFilter = nearestSampling ? GL_NEAREST : GL_LINEAR;
    for (const Texture* texture : worldTextures()) {
        setMinificationFilter(mipmappingEnabled ? GL_LINEAR_MIPMAP_LINEAR : plainFilter, *texture);
    }
}

void recentrePointer() {
    glfwSetCursorPos(window, windowWidth / 2, windowHeight / 2);
}

// Only a focused window's pointer turns the camera, and the first event after focus returns only brings the
// pointer back to the centre.
bool pointerEventCounts() {
    if (!windowHasFocus) {
        return false;
    }
    if (pointerAwayFromCentre) {
        pointerAwayFromCentre = false;
        recentrePointer();
        return false;
    }
    return true;
}

bool enterStartsShower() {
    const bool held = isHeld(GLFW_KEY_ENTER);
    enterTakenByAlt = enterTakenByAlt && held;
    return held && !enterTakenByAlt;
}

void startNewRoundAfterLoss() {
    if (roundEnded() && !gamePaused) {
        startNewRound();
    }
}

void handleEnterPress(int mods) {
    if ((mods & GLFW_MOD_ALT) != 0) {
        enterTakenByAlt = true;
        toggleFullscreen();
    } else {
        InputActions press;
        press.startRound = true;
        applyPresses(press);
    }
}

void handleKeyPress(int key) {
    switch (key) {
    case GLFW_KEY_F1:
        return toggleControlsCardAndPause();
    case GLFW_KEY_F2:
        return toggle(showFramerate, "start displaying framerate", "stop displaying framerate");
    case GLFW_KEY_F3:
        toggle(wireframeMode, "changing to wireframe-mode", "changing to triangle-mode");
        edgeMode = edgeMode && !wireframeMode;
        return;
    case GLFW_KEY_F4:
        return toggleSampling();
    case GLFW_KEY_F5:
        return toggleMipmapping();
    case GLFW_KEY_F6:
        toggle(edgeMode, "activate edge-mode", "deactivate edge-mode");
        wireframeMode = wireframeMode && !edgeMode;
        return;
    case GLFW_KEY_F7:
        return toggle(printRenderedCount, "start printing number of rendered objects",
                      "stop printing number of rendered objects");
    case GLFW_KEY_F8:
        return toggle(frustumCullingEnabled, "activate view-frustum-culling",
                      "deactivate view-frustum-culling");
    case GLFW_KEY_F9:
        return toggle(transparencyEnabled, "activate transparency", "deactivate transparency");
    case GLFW_KEY_F10:
        return toggle(sunMovementEnabled, "activate sun-movement", "deactivate sun-movement");
    case GLFW_KEY_F11:
        return toggle(backfaceCulling, "activate backface-culling", "deactivate backface-culling");
    default:
        return;
    }
}

// The presses that the pad has too act as the pad's do.
void handlePlayPress(int key) {
    InputActions press;
    press.togglePause = key == GLFW_KEY_SPACE;
    press.quit = key == GLFW_KEY_ESCAPE;
    applyPresses(press);
}

} // namespace

bool steeringFrozen() {
    return gamePaused || roundEnded();
}

InputActions processHeldKeys() {
    // Sticky keys keep a tap until it is polled, so a tap shorter than a frame still counts, as one step. The
    // keys are polled even while frozen: a tap made during a pause is used up there instead of acting on the
    // first frame after it.
    InputActions actions = std::exchange(pointerMoves, InputActions());
    actions.walk =
        WalkIntent::fromKeys(isHeld(GLFW_KEY_W), isHeld(GLFW_KEY_S), isHeld(GLFW_KEY_A), isHeld(GLFW_KEY_D));
    actions.startShower = enterStartsShower();
    return actions;
}

void applyPresses(const InputActions& presses) {
    if (presses.togglePause) {
        togglePause();
    }
    if (presses.startRound) {
        startNewRoundAfterLoss();
    }
    // The loop ends after the frame under way is drawn.
    if (presses.quit) {
        glfwSetWindowShouldClose(window, GLFW_TRUE);
    }
}

void keyCallback(GLFWwindow*, int key, int, int action, int mods) {
    if (action != GLFW_PRESS) {
        return;
    }
    if (key == GLFW_KEY_ENTER) {
        return handleEnterPress(mods);
    }
    handleKeyPress(key);
    handlePlayPress(key);
}

void cursorPosCallback(GLFWwindow*, double x, double y) {
    if (!pointerEventCounts()) {
        return;
    }
    pointerMoves.orbit += static_cast<float>(windowWidth) * 0.5f - static_cast<float>(x);
    if (glfwGetMouseButton(window, GLFW_MOUSE_BUTTON_MIDDLE) == GLFW_PRESS) {
        pointerMoves.tilt += static_cast<float>(y) - static_cast<float>(windowHeight) * 0.5f;
    }
    // The mouse works as a relative device: every event is measured from the centre, then the cursor goes
    // back.
    recentrePointer();
}

void windowFocusCallback(GLFWwindow*, int focused) {
    pointerAwayFromCentre = pointerAwayFromCentre || (focused == GLFW_TRUE && !windowHasFocus);
    windowHasFocus = focused == GLFW_TRUE;
}

// Hidden, the game pauses as Space would pause it; shown again, it waits for the player to continue.
void windowIconifyCallback(GLFWwindow*, int iconified) {
    if (iconified == GLFW_TRUE && !steeringFrozen()) {
        togglePause();
    }
}

void scrollCallback(GLFWwindow*, double, double yOffset) {
    pointerMoves.zoom += static_cast<float>(yOffset);
}

void setTextureFilter(unsigned int filter, const Texture& texture) {
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, texture.id);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, static_cast<GLint>(filter));
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, static_cast<GLint>(filter));
    glBindTexture(GL_TEXTURE_2D, 0);
}

} // namespace Velmora
