#include "standing_shower.hpp"

#include "app/game_state.hpp"
#include "headless_game.hpp"
#include "world/player.hpp"

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace Velmora {
namespace {

constexpr int asteroidsPerSecond = 2500;
constexpr int showerSeconds = 2;
constexpr double playSeconds = 10.0;

} // namespace

void runStandingShower(double frameTime) {
    std::srand(static_cast<unsigned int>(std::time(nullptr)));
    asteroidSpawnRate = asteroidsPerSecond;
    asteroidSpawnDuration = showerSeconds;
    HeadlessGame game(320, 180);
    asteroidsStarted = true;
    double played = 0.0;
    while (!gameLost && played < playSeconds) {
        game.runFrame(frameTime);
        played += frameTime;
    }
    std::printf("standing shower at %g s frames: lives %d after %g s\n", frameTime, player->lives, played);
}

} // namespace Velmora
