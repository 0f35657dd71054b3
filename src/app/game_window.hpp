#pragma once

struct GLFWwindow;

namespace Velmora {

struct LaunchOptions;

// Reads both configuration files, then opens the titled window with a current 3.3 core context; a fullscreen
// or window option given at launch takes the place of the file's first line.
void openWindow(const LaunchOptions& options);
void windowSizeCallback(GLFWwindow* resizedWindow, int width, int height);
// Prints the first pending GL error, if it is one of the seven the game knows; later ones wait for later
// frames.
void reportGlError();

} // namespace Velmora
