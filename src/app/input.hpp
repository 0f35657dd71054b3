#pragma once

struct GLFWwindow;

namespace Velmora {

class Texture;

// Held keys are polled once an update step and walk for the step's time; everything else arrives through the
// GLFW callbacks.
void processHeldKeys(double stepTime);
void keyCallback(GLFWwindow* keyWindow, int key, int scancode, int action, int mods);
void cursorPosCallback(GLFWwindow* cursorWindow, double x, double y);
void scrollCallback(GLFWwindow* scrollWindow, double xOffset, double yOffset);
void setTextureFilter(unsigned int filter, const Texture& texture);

} // namespace Velmora
