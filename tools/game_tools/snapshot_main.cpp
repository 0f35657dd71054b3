// Renders the picture of the game that the README shows: the real set-up and passes, the camera a little
// closer than at the start, a low sun that throws long shadows.
#include "app/game_state.hpp"
#include "headless_game.hpp"
#include "math/camera.hpp"
#include "world/player.hpp"

#include <cstdio>
#include <cstdlib>
#include <glm/glm.hpp>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: velmora_snapshot OUTPUT.png\n");
        return 2;
    }
    // A fixed seed places the houses and lanterns the same way for every picture.
    std::srand(3);
    Velmora::HeadlessGame game(1280, 720);
    Velmora::sunMovementEnabled = false;
    *Velmora::sunDirection = glm::normalize(glm::vec3(0.8f, 0.0f, 0.6f));
    for (int step = 0; step < 12; ++step) {
        Velmora::camera->zoomCamera(Velmora::player->position(), 0.05f);
    }
    Velmora::camera->tiltCamera(Velmora::player->position(), -60.0f, 0.25f);
    for (int frame = 0; frame < 3; ++frame) {
        game.runFrame(1.0 / 60.0);
    }
    game.savePng(argv[1]);
    return 0;
}
