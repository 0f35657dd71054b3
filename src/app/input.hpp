#pragma once

#include "app/input_actions.hpp"

struct GLFWwindow;

namespace Velmora {

class Texture;

// Paused, lost or survived: the player and the camera stand still.
bool steeringFrozen();
// One update step's actions of the keys and the mouse: the held keys, polled once a step, and the mouse's and
// the wheel's moves since the last poll; the rest comes through the callbacks.
InputActions processHeldKeys();
// The fresh presses of the pad, once a frame, and of the keys, as they come: pause, a new round after the
// loss, quit.
void applyPresses(const InputActions& presses);
void keyCallback(GLFWwindow* keyWindow, int key, int scancode, int action, int mods);
void cursorPosCallback(GLFWwindow* cursorWindow, double x, double y);
void scrollCallback(GLFWwindow* scrollWindow, double xOffset, double yOffset);
void windowFocusCallback(GLFWwindow* focusWindow, int focused);
void windowIconifyCallback(GLFWwindow* iconifiedWindow, int iconified);
void setTextureFilter(unsigned int filter, const Texture& texture);

} // namespace Velmora
