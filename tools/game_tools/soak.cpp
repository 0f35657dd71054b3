#include "soak.hpp"

#include "app/game_state.hpp"
#include "headless_game.hpp"
#include "world/life_power_up.hpp"
#include "world/player.hpp"
#include "world/shield_power_up.hpp"
#include "world/speed_power_up.hpp"

#include <GL/glew.h>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <malloc.h>
#include <unistd.h>

namespace Velmora {
namespace {

// Long frames make the items spawn and the rocks land often: at 0.1 s each item rolls a 1-in-200 chance a
// frame, and a rock falls from the start sphere to the ground in 27 frames.
constexpr double soakFrameTime = 0.1;
constexpr int asteroidsPerSecond = 40;
// Every view in turn: the finished picture, the outlines alone, wireframe.
constexpr int viewCount = 3;
constexpr int framesPerView = 20;
// The player stands still, so now and then the items lying on the planet are brought to it.
constexpr int framesBetweenCollections = 50;
// Memory settles once every view has been drawn with the shower in full flow and every driver cache is warm.
constexpr int settlingFrames = 6 * framesPerView;

// The allocator keeps freed pages for reuse, and how many depends on which view the last frames drew; giving
// them back first makes the figure follow the memory still in use.
long residentKilobytes() {
    malloc_trim(0);
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

// Collected items run their effects out and spawn again, so every state of every item comes round.
void bringItemsToPlayer(int frame) {
    if (frame % framesBetweenCollections != 0) {
        return;
    }
    for (Logicals::PowerUp* item : powerUps()) {
        if (item->isVisible()) {
            item->model->modelMatrix[3] = glm::vec4(player->position(), 1.0f);
        }
    }
}

void switchView(int frame) {
    const int view = frame / framesPerView % viewCount;
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
    long settledKilobytes = -1;
    long latestKilobytes = -1;
    int glErrors = pendingGlErrors();
    for (int frame = 0; frame < frames; ++frame) {
        // The shower never ends the soak: the player always has lives left to lose.
        player->lives = 3;
        switchView(frame);
        bringItemsToPlayer(frame);
        game.runFrame(soakFrameTime);
        glErrors += pendingGlErrors();
        // The driver holds more memory in some views than in others, so memory is read only where a stretch
        // of the finished picture ends.
        const bool pictureStretchEnds = (frame + 1) % (viewCount * framesPerView) == framesPerView;
        if (pictureStretchEnds && frame + 1 >= settlingFrames) {
            latestKilobytes = residentKilobytes();
            settledKilobytes = settledKilobytes < 0 ? latestKilobytes : settledKilobytes;
        }
    }
    std::printf("soak %d frames: rss growth %ld KiB, gl errors %d\n", frames,
                latestKilobytes - settledKilobytes, glErrors);
}

} // namespace Velmora
