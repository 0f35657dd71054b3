// Times the real game: each render step of a frame, the same frame at its floor (flat models, copy passes),
// the cost of asteroids in play, the largest shower the settings allow, the start to the first frame and the
// peak memory, with the read-backs, client waits and glFinish calls each kind of frame made. Speed and memory
// targets are read off here, never asserted in tests. With --soak <frames> it plays a long game instead and
// reports how memory and GL errors fared; with --standing-shower <frame time> it plays a shower over a player
// who stands still at that fixed frame time.
#include "app/game_state.hpp"
#include "asteroid_field.hpp"
#include "finish_step_clock.hpp"
#include "floor_programs.hpp"
#include "frame_figures.hpp"
#include "gl_call_counter.hpp"
#include "headless_game.hpp"
#include "soak.hpp"
#include "standing_shower.hpp"
#include "timestamp_step_clock.hpp"
#include "world/asteroid_spawner.hpp"
#include "world/decoration_items.hpp"
#include "world/life_power_up.hpp"
#include "world/player.hpp"
#include "world/shield_power_up.hpp"
#include "world/speed_power_up.hpp"

#include <GL/glew.h>
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

constexpr double frameTime = 1.0 / 60.0;
// A dense shower for the frame whose steps are timed, so that the asteroids' step weighs something.
constexpr int showerInPlay = 100;
constexpr unsigned int fieldSeed = 5;
// As a new player might set it: 10,000 rocks a second for 100 seconds, the most the settings allow.
constexpr double largeShowerRate = 10000.0;
constexpr double largeShowerSeconds = 100.0;
constexpr std::size_t largeShowerInPlay = 10000;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct FrameTimes {
    double frameMs;
    double updateMs;
    // Until the frame is sent and swapped, before it is finished.
    double cpuMs;
    Velmora::GlCallCounts calls;
};

// What the game's own frames call; the benchmark's own finishes fall outside.
std::unique_ptr<Velmora::GlCallCounter> gameCalls;

// One whole frame, finished on the GPU; with a step clock each render step is timed on its own.
FrameTimes timedFrame(Velmora::HeadlessGame& game, Velmora::StepClock* stepClock) {
    const auto start = Clock::now();
    gameCalls->reset();
    game.update(frameTime);
    const double updateMs = millisecondsSince(start);
    if (stepClock != nullptr) {
        stepClock->start();
    }
    Velmora::renderStepTimer = stepClock;
    game.renderAndShow();
    const double cpuMs = millisecondsSince(start);
    const Velmora::GlCallCounts calls = gameCalls->counts();
    glFinish();
    Velmora::renderStepTimer = nullptr;
    if (stepClock != nullptr) {
        stepClock->frameDone();
    }
    return {millisecondsSince(start), updateMs, cpuMs, calls};
}

// The same asteroids in the same places before every series, so that each series draws the same frames.
void layOutShower(int count) {
    Velmora::fillShowerInView(*Velmora::asteroids->shower, *Velmora::camera, Velmora::player->position(),
                              count, fieldSeed);
    Velmora::asteroidsStarted = true;
}

// Median frame, update and CPU times over a series, after one frame that settles the caches, with the calls
// of its last frame: a series draws the same frame each time.
FrameTimes medianFrame(Velmora::HeadlessGame& game, int frames) {
    FrameTimes times = timedFrame(game, nullptr);
    std::vector<double> frameMs;
    std::vector<double> updateMs;
    std::vector<double> cpuMs;
    for (int frame = 0; frame < frames; ++frame) {
        times = timedFrame(game, nullptr);
        frameMs.push_back(times.frameMs);
        updateMs.push_back(times.updateMs);
        cpuMs.push_back(times.cpuMs);
    }
    return {Velmora::medianOf(frameMs), Velmora::medianOf(updateMs), Velmora::medianOf(cpuMs), times.calls};
}

// A graphics card times its steps itself; stopping it after each would time a frame the game never runs.
bool timesStepsItself() {
    return Velmora::rendererKind == Velmora::RendererKind::Hardware;
}

std::unique_ptr<Velmora::StepClock> stepClockForRenderer() {
    if (timesStepsItself()) {
        return std::make_unique<Velmora::TimestampStepClock>();
    }
    return std::make_unique<Velmora::FinishStepClock>();
}

std::vector<double> medianSteps(Velmora::HeadlessGame& game, int frames) {
    const std::unique_ptr<Velmora::StepClock> stepClock = stepClockForRenderer();
    for (int frame = 0; frame < frames; ++frame) {
        timedFrame(game, stepClock.get());
    }
    return stepClock->medians();
}

// Every item lies on the planet, so that the power-ups' step draws all three.
void layOutPowerUps() {
    for (Velmora::Logicals::PowerUp* item : Velmora::powerUps()) {
        item->spawned = true;
        item->collected = false;
        item->placeOnPlanet(*Velmora::player, *Velmora::decorationItems);
    }
}

void measureFrameAndFloor(Velmora::HeadlessGame& game, Velmora::FrameFigures& figures) {
    layOutPowerUps();
    layOutShower(showerInPlay);
    const FrameTimes frame = medianFrame(game, figures.frames);
    figures.frameMs = frame.frameMs;
    figures.updateMs = frame.updateMs;
    figures.frameCpuMs = frame.cpuMs;
    figures.frameCalls = frame.calls;
    layOutShower(showerInPlay);
    figures.stepMs = medianSteps(game, figures.frames);

    Velmora::FloorPrograms floor;
    floor.exchange();
    layOutShower(showerInPlay);
    figures.floorFrameMs = medianFrame(game, figures.frames).frameMs;
    layOutShower(showerInPlay);
    figures.floorStepMs = medianSteps(game, figures.frames);
    floor.exchange();
}

// The process's peak resident size since the last reset, from the kernel's high-water mark.
double peakMemorySinceResetMiB() {
    std::ifstream status("/proc/self/status");
    std::string field;
    while (status >> field) {
        if (field == "VmHWM:") {
            double kibibytes = 0.0;
            status >> kibibytes;
            return kibibytes / 1024.0;
        }
    }
    return 0.0;
}

// Starts the high-water mark afresh, so that the next series reports its own peak; the run's peak so far is
// kept first.
void resetPeakMemory(Velmora::FrameFigures& figures) {
    figures.peakMemoryMiB = std::max(figures.peakMemoryMiB, peakMemorySinceResetMiB());
    std::ofstream("/proc/self/clear_refs") << "5";
}

void measureAsteroidScaling(Velmora::HeadlessGame& game, Velmora::FrameFigures& figures) {
    for (const int count : {0, 100, 1000, 10000, 100000}) {
        resetPeakMemory(figures);
        layOutShower(count);
        const FrameTimes times = medianFrame(game, figures.frames);
        figures.scaling.push_back(
            {count, times.frameMs, times.updateMs, times.cpuMs, peakMemorySinceResetMiB(), times.calls});
    }
}

// Plays the shower in game steps up to a clock that has passed exactly the first inPlay spawn times.
void playUntilInPlay(Velmora::AsteroidShower& shower, std::size_t inPlay) {
    std::vector<double> spawnTimes;
    for (const Velmora::Asteroid& asteroid : shower.asteroidList) {
        spawnTimes.push_back(asteroid.spawnTime);
    }
    std::nth_element(spawnTimes.begin(), spawnTimes.begin() + inPlay, spawnTimes.end());
    const double clock =
        0.5 * (*std::max_element(spawnTimes.begin(), spawnTimes.begin() + inPlay) + spawnTimes[inPlay]);
    while (shower.elapsedTime + frameTime < clock) {
        shower.advance(frameTime);
    }
    shower.advance(clock - shower.elapsedTime);
}

int asteroidsInPlay(const Velmora::AsteroidShower& shower) {
    int inPlay = 0;
    for (const Velmora::Asteroid& asteroid : shower.asteroidList) {
        inPlay += asteroid.inPlay() ? 1 : 0;
    }
    return inPlay;
}

void measureLargeShower(Velmora::HeadlessGame& game, Velmora::FrameFigures& figures) {
    Velmora::LargeShower& large = figures.largeShower;
    Velmora::asteroidsStarted = false;
    const auto start = Clock::now();
    Velmora::asteroids->shower =
        std::make_unique<Velmora::AsteroidShower>(largeShowerRate, largeShowerSeconds);
    large.setUpMs = millisecondsSince(start);
    large.asteroids = static_cast<int>(Velmora::asteroids->shower->asteroidList.size());
    large.updateBeforeEnterMs = medianFrame(game, figures.frames).updateMs;
    Velmora::asteroidsStarted = true;
    playUntilInPlay(*Velmora::asteroids->shower, largeShowerInPlay);
    large.inPlay = asteroidsInPlay(*Velmora::asteroids->shower);
    const FrameTimes inPlay = medianFrame(game, figures.frames);
    large.updateInPlayMs = inPlay.updateMs;
    large.frameInPlayMs = inPlay.frameMs;
    large.callsInPlay = inPlay.calls;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--soak") == 0) {
        Velmora::runSoak(std::max(1, std::atoi(argv[2])));
        return 0;
    }
    if (argc == 3 && std::strcmp(argv[1], "--standing-shower") == 0) {
        Velmora::runStandingShower(std::max(1e-3, std::atof(argv[2])));
        return 0;
    }
    const auto start = Clock::now();
    Velmora::FrameFigures figures;
    figures.frames = 9;
    bool json = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--json") == 0) {
            json = true;
        } else {
            figures.frames = std::max(1, std::atoi(argv[i]));
        }
    }
    std::srand(1);
    Velmora::HeadlessGame game(1280, 720);
    game.runFrame(frameTime);
    glFinish();
    figures.startToFirstFrameSeconds = millisecondsSince(start) / 1000.0;
    figures.renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
    figures.rendererKind = Velmora::rendererKindName(Velmora::rendererKind);
    if (const char* forced = std::getenv("VELMORA_RENDERER")) {
        figures.rendererKind += std::string(" (VELMORA_RENDERER=") + forced + ")";
    }
    figures.stepClock = timesStepsItself() ? "GL_TIMESTAMP queries" : "glFinish";
    gameCalls = std::make_unique<Velmora::GlCallCounter>();
    // A still sun gives every series the same light.
    Velmora::sunMovementEnabled = false;

    measureFrameAndFloor(game, figures);
    figures.gamePeakMemoryMiB = peakMemorySinceResetMiB();
    measureAsteroidScaling(game, figures);
    measureLargeShower(game, figures);
    resetPeakMemory(figures);
    gameCalls.reset();
    if (json) {
        Velmora::printJson(figures);
    } else {
        Velmora::printText(figures);
    }
    return 0;
}
