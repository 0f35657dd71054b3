// Times whole frames of the real game (update and render, finished on the GPU) and reports the peak memory;
// speed and memory targets are read off here, never asserted in tests.
#include "app/game_state.hpp"
#include "headless_game.hpp"
#include "postfx/scene_framebuffer.hpp"
#include "postfx/shadow_map.hpp"

#include <GL/glew.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>
#include <vector>

namespace {

constexpr int benchmarkWidth = 1280;
constexpr int benchmarkHeight = 720;

double millisecondsOfFrame(Velmora::HeadlessGame& game) {
    const auto start = std::chrono::steady_clock::now();
    game.runFrame(1.0 / 60.0);
    // Timer queries are unreliable on software renderers; finishing the frame and reading a clock is not.
    glFinish();
    const auto end = std::chrono::steady_clock::now();
    return std::chrono::duration<double, std::milli>(end - start).count();
}

long peakMemoryKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

int main(int argc, char** argv) {
    const int frames = argc > 1 ? std::max(1, std::atoi(argv[1])) : 60;
    std::srand(1);
    const auto setUpStart = std::chrono::steady_clock::now();
    Velmora::HeadlessGame game(benchmarkWidth, benchmarkHeight);
    const double setUpSeconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - setUpStart).count();
    const GLubyte* renderer = glGetString(GL_RENDERER);

    millisecondsOfFrame(game);
    std::vector<double> times;
    for (int frame = 0; frame < frames; ++frame) {
        times.push_back(millisecondsOfFrame(game));
    }
    std::sort(times.begin(), times.end());
    double total = 0.0;
    for (double time : times) {
        total += time;
    }
    std::printf("renderer: %s\n", reinterpret_cast<const char*>(renderer));
    std::printf("set-up: %.2f s\n", setUpSeconds);
    std::printf("frames: %d at %d x %d (scene %d x %d, shadow map %d x %d)\n", frames, benchmarkWidth,
                benchmarkHeight, Velmora::SceneFramebuffer::width, Velmora::SceneFramebuffer::height,
                Velmora::ShadowMap::size, Velmora::ShadowMap::size);
    std::printf("frame time: mean %.1f ms, median %.1f ms, worst %.1f ms (%.1f fps)\n", total / frames,
                times[times.size() / 2], times.back(), 1000.0 * frames / total);
    std::printf("peak memory: %.1f MiB\n", static_cast<double>(peakMemoryKilobytes()) / 1024.0);
    return 0;
}
