// Renders the picture of the game that the README shows: the real set-up and passes, the camera a little
// closer than at the start, a low sun that throws long shadows, a few rocks falling and the items lying
// about. With --on-screen-messages, the picture of the text over it: the panel of messages after two presses
// of Space, and the controls card that F1 shows.
#include "app/game_state.hpp"
#include "app/input.hpp"
#include "asteroid_field.hpp"
#include "headless_game.hpp"
#include "math/camera.hpp"
#include "world/asteroid_spawner.hpp"
#include "world/decoration_items.hpp"
#include "world/life_power_up.hpp"
#include "world/player.hpp"
#include "world/shield_power_up.hpp"
#include "world/speed_power_up.hpp"

#include <GLFW/glfw3.h>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <glm/glm.hpp>

namespace {

void pressKey(int key) {
    Velmora::keyCallback(Velmora::window, key, 0, GLFW_PRESS, 0);
}

} // namespace

int main(int argc, char** argv) {
    const bool withText = argc == 3 && std::strcmp(argv[1], "--on-screen-messages") == 0;
    if (argc != 2 && !withText) {
        std::fprintf(stderr, "usage: velmora_snapshot [--on-screen-messages] OUTPUT.png\n");
        return 2;
    }
    Velmora::onScreenMessages = withText;
    // The game works from its data folder, so the picture's path is taken before it goes there.
    const std::string output = std::filesystem::absolute(argv[argc - 1]).string();
    // A fixed seed places the houses and lanterns the same way for every picture.
    std::srand(3);
    Velmora::HeadlessGame game(1280, 720);
    Velmora::sunMovementEnabled = false;
    Velmora::sunDirection = glm::normalize(glm::vec3(0.8f, 0.0f, 0.6f));
    for (int step = 0; step < 12; ++step) {
        Velmora::camera->zoomCamera(Velmora::player->position(), 0.05f);
    }
    Velmora::camera->tiltCamera(Velmora::player->position(), -60.0f, 0.25f);
    Velmora::fillShowerInView(*Velmora::asteroids->shower, *Velmora::camera, Velmora::player->position(), 12,
                              4);
    Velmora::asteroidsStarted = true;
    // The three items in a row in front of the character, where the camera sees them.
    const glm::vec3 right(Velmora::camera->worldTransform[0]);
    const glm::vec3 down = -glm::vec3(Velmora::camera->worldTransform[1]);
    const std::array<Velmora::Logicals::PowerUp*, 3> items = Velmora::powerUps();
    for (int i = 0; i < 3; ++i) {
        const glm::vec3 spot =
            Velmora::player->position() + 0.25f * static_cast<float>(i - 1) * right + 0.3f * down;
        items[i]->spawned = true;
        items[i]->model->modelMatrix[3] = glm::vec4(1.1f * glm::normalize(spot), 1.0f);
    }
    if (withText) {
        pressKey(GLFW_KEY_SPACE);
        pressKey(GLFW_KEY_SPACE);
        pressKey(GLFW_KEY_F1);
    }
    for (int frame = 0; frame < 3; ++frame) {
        game.runFrame(1.0 / 60.0);
    }
    game.savePng(output);
    return 0;
}
