#pragma once

struct GLFWwindow;

namespace Velmora {

class Texture;
struct PadActions;

// Paused or lost: the player and the camera stand still.
bool steeringFrozen();
// Held keys are polled once an update step and walk for the step's time, the pad's walk and A joining them;
// the rest comes through the callbacks.
void processHeldKeys(double stepTime, const PadActions& pad);
// The pad's pause, orbit, tilt and zoom go through the steps of Space, the mouse and the wheel, once a frame.
void processGamepad(const PadActions& pad);
void keyCallback(GLFWwindow* keyWindow, int key, int scancode, int action, int mods);
void cursorPosCallback(GLFWwindow* cursorWindow, double x, double y);
void scrollCallback(GLFWwindow* scrollWindow, double xOffset, double yOffset);
void windowFocusCallback(GLFWwindow* focusWindow, int focused);
void windowIconifyCallback(GLFWwindow* iconifiedWindow, int iconified);
void setTextureFilter(unsigned int filter, const Texture& texture);

} // namespace Velmora
