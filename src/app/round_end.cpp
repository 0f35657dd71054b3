#include "app/round_end.hpp"

#include "app/best_time_store.hpp"
#include "app/game_state.hpp"
#include "platform/console.hpp"
#include "world/asteroid_spawner.hpp"
#include "world/player.hpp"

#include <cstdio>
#include <memory>

namespace Velmora {
namespace {

std::string timeLine;

std::string seconds(double time) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f s", time);
    return text;
}

// The time the shower clock shows, which stood still while paused.
void tellRoundTime() {
    const double time = asteroids->shower->elapsedTime;
    const std::optional<double> best = bestTimes->best(asteroidSpawnRate, asteroidSpawnDuration);
    timeLine = "Round time: " + seconds(time) + (best ? " (best " + seconds(*best) + ")" : "");
    printLine(timeLine);
    if (bestTimes->offer(asteroidSpawnRate, asteroidSpawnDuration, time)) {
        printLine("New best time!");
    }
}

} // namespace

void setUpBestTimes() {
    if (onScreenMessages) {
        bestTimes = std::make_unique<BestTimeStore>(BestTimeStore::playerFile());
    }
}

void checkRoundEnd(bool lastLifeLost) {
    if (lastLifeLost) {
        printLine("You lost! (0 lives remaining)");
        gameLost = true;
    } else if (onScreenMessages && asteroidsStarted && asteroids->shower->over()) {
        printLine("You survived! (" + std::to_string(player->lives) + " lives remaining)");
        gameSurvived = true;
    }
    if (roundEnded() && bestTimes != nullptr) {
        tellRoundTime();
    }
}

const std::string& roundTimeLine() {
    return timeLine;
}

void cleanUpBestTimes() {
    bestTimes.reset();
    timeLine.clear();
}

} // namespace Velmora
