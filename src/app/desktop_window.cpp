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
// The largest icon a desktop shows. All icons go to the X server in one property, and one of 2048 x 2048
// already exceeds the longest request it takes: the window would be lost.
constexpr int largestIconSide = 256;
// How long a switch to or from fullscreen may take the window system before another is let through: one
// that never shows the size asked for (a window manager that keeps another) must not block the key for
// good.
constexpr double longestSwitchSeconds = 1.0;

struct IconImage {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgba;
};

// Where the window stood before it went fullscreen, so that it goes back there. A game that started
// fullscreen has only the settings file's size, centred on the monitor when it leaves.
struct WindowPlace {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool centred = true;
};
WindowPlace windowedPlace;

// The window system carries a switch out in its own time, and a window manager reports sizes on the way: the
// fullscreen size still, or a size of its own. Until the window shows the size asked for, the switch is in
// flight, and neither another switch nor the window's own place is taken.
struct PendingSwitch {
    int width = 0;
    int height = 0;
    double askedAt = 0.0;
    bool inFlight = false;
};
PendingSwitch pendingSwitch;

void askForWindowMode(GLFWmonitor* monitor, const WindowPlace& place, int refreshRate) {
    pendingSwitch = {place.width, place.height, glfwGetTime(), true};
    glfwSetWindowMonitor(window, monitor, place.x, place.y, place.width, place.height, refreshRate);
}

bool switchInFlight() {
    if (!pendingSwitch.inFlight) {
        return false;
    }
    int width = 0;
    int height = 0;
    glfwGetWindowSize(window, &width, &height);
    pendingSwitch.inFlight = (width != pendingSwitch.width || height != pendingSwitch.height) &&
                             glfwGetTime() - pendingSwitch.askedAt < longestSwitchSeconds;
    return pendingSwitch.inFlight;
}

// GLFW takes RGBA rows from the top; the icon is opaque RGB, so every pixel gets a full alpha.
IconImage loadIcon(int size) {
    IconImage icon;
    const RgbImage image = loadRgbImage("Textures/Icon" + std::to_string(size) + ".png", largestIconSide);
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
    windowedPlace.centred = false;
    // The monitor's own mode: nothing is switched, on the way in or out.
    askForWindowMode(monitor, {0, 0, mode->width, mode->height}, mode->refreshRate);
}

void leaveFullscreen(GLFWmonitor* monitor) {
    const GLFWvidmode* mode = glfwGetVideoMode(monitor);
    if (windowedPlace.centred && mode != nullptr) {
        int left = 0;
        int top = 0;
        glfwGetMonitorPos(monitor, &left, &top);
        windowedPlace.x = left + (mode->width - windowedPlace.width) / 2;
        windowedPlace.y = top + (mode->height - windowedPlace.height) / 2;
    }
    askForWindowMode(nullptr, windowedPlace, GLFW_DONT_CARE);
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

void keepWindowedSize(int width, int height) {
    windowedPlace = {0, 0, width, height, true};
}

void toggleFullscreen() {
    if (switchInFlight()) {
        return;
    }
    GLFWmonitor* monitor = glfwGetWindowMonitor(window);
    if (monitor == nullptr) {
        enterFullscreen();
    } else {
        leaveFullscreen(monitor);
    }
}

} // namespace Velmora
