#include "app/desktop_window.hpp"

#include "app/game_state.hpp"
#include "platform/image_file.hpp"

#include <GLFW/glfw3.h>
#include <string>
#include <vector>

namespace Velmora {
namespace {

// The sizes the build copies beside the textures.
constexpr int iconSizes[] = {VELMORA_WINDOW_ICON_SIZES};

struct IconImage {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgba;
};

// Where the window stood before it went fullscreen, so that it goes back there; none while the game started
// fullscreen.
struct WindowPlace {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};
WindowPlace windowedPlace;

// GLFW takes RGBA rows from the top; the icon is opaque RGB, so every pixel gets a full alpha.
IconImage loadIcon(int size) {
    IconImage icon;
    const RgbImage image = loadRgbImage("Textures/Icon" + std::to_string(size) + ".png");
    icon.width = image.width;
    icon.height = image.height;
    const size_t pixels = static_cast<size_t>(icon.width) * static_cast<size_t>(icon.height);
    icon.rgba.reserve(4 * pixels);
    for (size_t pixel = 0; pixel < pixels; ++pixel) {
        icon.rgba.insert(icon.rgba.end(), image.pixels.begin() + 3 * pixel,
                         image.pixels.begin() + 3 * pixel + 3);
        icon.rgba.push_back(255);
    }
    return icon;
}

bool contains(GLFWmonitor* monitor, int x, int y) {
    int left = 0;
    int top = 0;
    glfwGetMonitorPos(monitor, &left, &top);
    const GLFWvidmode* mode = glfwGetVideoMode(monitor);
    return mode != nullptr && x >= left && x < left + mode->width && y >= top && y < top + mode->height;
}

// The monitor under the window's centre; the primary one when the window lies off every monitor.
GLFWmonitor* monitorOfWindow() {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    glfwGetWindowPos(window, &x, &y);
    glfwGetWindowSize(window, &width, &height);
    int count = 0;
    GLFWmonitor** monitors = glfwGetMonitors(&count);
    for (int i = 0; i < count; ++i) {
        if (contains(monitors[i], x + width / 2, y + height / 2)) {
            return monitors[i];
        }
    }
    return glfwGetPrimaryMonitor();
}

void enterFullscreen() {
    GLFWmonitor* monitor = monitorOfWindow();
    const GLFWvidmode* mode = monitor == nullptr ? nullptr : glfwGetVideoMode(monitor);
    if (mode == nullptr) {
        return;
    }
    glfwGetWindowPos(window, &windowedPlace.x, &windowedPlace.y);
    glfwGetWindowSize(window, &windowedPlace.width, &windowedPlace.height);
    // The monitor's own mode: nothing is switched, on the way in or out.
    glfwSetWindowMonitor(window, monitor, 0, 0, mode->width, mode->height, mode->refreshRate);
}

// A game that started fullscreen has no place to go back to: it gets the set size, centred on its monitor.
void leaveFullscreen(GLFWmonitor* monitor) {
    if (windowedPlace.width == 0) {
        const GLFWvidmode* mode = glfwGetVideoMode(monitor);
        int left = 0;
        int top = 0;
        glfwGetMonitorPos(monitor, &left, &top);
        windowedPlace = {left + (mode->width - windowWidth) / 2, top + (mode->height - windowHeight) / 2,
                         windowWidth, windowHeight};
    }
    glfwSetWindowMonitor(window, nullptr, windowedPlace.x, windowedPlace.y, windowedPlace.width,
                         windowedPlace.height, GLFW_DONT_CARE);
}

} // namespace

void nameWindowClass() {
    glfwWindowHintString(GLFW_X11_CLASS_NAME, "velmora");
    glfwWindowHintString(GLFW_X11_INSTANCE_NAME, "velmora");
}

void setWindowIcon() {
    std::vector<IconImage> icons;
    std::vector<GLFWimage> images;
    for (int size : iconSizes) {
        icons.push_back(loadIcon(size));
    }
    for (IconImage& icon : icons) {
        images.push_back({icon.width, icon.height, icon.rgba.data()});
    }
    glfwSetWindowIcon(window, static_cast<int>(images.size()), images.data());
}

void toggleFullscreen() {
    GLFWmonitor* monitor = glfwGetWindowMonitor(window);
    if (monitor == nullptr) {
        enterFullscreen();
    } else {
        leaveFullscreen(monitor);
    }
}

} // namespace Velmora
