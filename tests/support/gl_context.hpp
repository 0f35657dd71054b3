#pragma once

struct GLFWwindow;

// The hidden window whose 3.3 core context is current during every GL test.
GLFWwindow* glTestWindow();
