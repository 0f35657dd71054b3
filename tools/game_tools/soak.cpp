#include "soak.hpp"

#include "app/game_state.hpp"
#include "headless_game.hpp"
#include "world/player.hpp"

#include <GL/glew.h>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <unistd.h>

namespace Velmora {
namespace {

// Long frames make the items spawn and the rocks land often: at 0.1 s each item rolls a 1-in-200 chance a
// frame, and a rock falls from the start sphere to the ground in 27 frames.
constexpr double soakFrameTime = 0.1;
constexpr int asteroidsPerSecond = 40;
// Every view in turn: the finished picture, the outlines alone, wireframe.
constexpr int framesPerView = 20;
// Memory settles once every view has been drawn with the shower in full flow and every driver cache is warm.
constexpr int settlingFrames = 6 * framesPerView;

long residentKilobytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

int pendingGlErrors() {
    int errors = 0;
    while (glGetError() != GL_NO_ERROR) {
        ++errors;
    }
    return errors;
}

void switchView(int frame) {
    const int view = frame / framesPerView % 3;
    edgeMode = view == 1;
    wireframeMode = view == 2;
}

} // namespace

void runSoak(int frames) {
    std::srand(1);
    asteroidSpawnRate = asteroidsPerSecond;
    asteroidSpawnDuration = static_cast<int>(frames * soakFrameTime) + 1;
    HeadlessGame game(640, 360);
    asteroidsStarted = true;
    long settledKilobytes = residentKilobytes();
    int glErrors = pendingGlErrors();
    for (int frame = 0; frame < frames; ++frame) {
        // The shower never ends the soak: the player always has lives left to lose.
        player->lives = 3;
        switchView(frame);
        game.runFrame(soakFrameTime);
        glErrors += pendingGlErrors();
        if (frame + 1 == settlingFrames) {
            settledKilobytes = residentKilobytes();
        }
    }
    glFinish();
    std::printf("soak %d frames: rss growth %ld KiB, gl errors %d\n", frames,
                residentKilobytes() - settledKilobytes, glErrors);
}

} // namespace Velmora
