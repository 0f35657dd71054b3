#include "floor_programs.hpp"

#include "app/game_state.hpp"
#include "postfx/bloom.hpp"
#include "postfx/edge_detection.hpp"
#include "render/shadow_blur.hpp"
#include "world/asteroid_spawner.hpp"
#include "world/decoration_items.hpp"
#include "world/life_power_up.hpp"
#include "world/planet.hpp"
#include "world/player.hpp"
#include "world/shield_power_up.hpp"
#include "world/sky_cube.hpp"
#include "world/speed_power_up.hpp"

namespace Velmora {
namespace {

std::unique_ptr<Shader> flatProgram(const char* vertexProgram = VELMORA_BENCHMARK_SHADERS "/FlatColor.vert") {
    return std::make_unique<Shader>(vertexProgram, VELMORA_BENCHMARK_SHADERS "/FlatColor.frag");
}

// The game's own quad program is a plain copy: one linear fetch where the pass samples its first input.
std::unique_ptr<Shader> copyProgram() {
    return std::make_unique<Shader>("Shaders/ScreenQuadShader.vert", "Shaders/ScreenQuadShader.frag");
}

} // namespace

FloorPrograms::FloorPrograms() {
    addModel(*planet->model, flatProgram());
    for (Scene::PlayerModel* part : player->parts()) {
        addModel(*part, flatProgram());
    }
    for (const auto& house : decorationItems->houses) {
        addModel(*house->model, flatProgram());
    }
    for (const auto& lantern : decorationItems->lanterns) {
        addModel(*lantern->model, flatProgram());
    }
    // The rocks are drawn all at once, their matrices coming with each instance.
    addModel(*asteroids->model, flatProgram(VELMORA_BENCHMARK_SHADERS "/FlatColorInstanced.vert"));
    addModel(*speedPowerUp->model, flatProgram());
    addModel(*lifePowerUp->model, flatProgram());
    addModel(*shieldPowerUp->model, flatProgram());
    // The sky's update sets its matrix on the program the sky cube holds, so the sky is exchanged there.
    addPass(skyCube->shader, flatProgram());
    // The blur keeps its passes to the casters' strips by scissor boxes, not by its programs: the copies
    // shade the same texels as the game's passes, and the blur of the empty map, written at set-up, stays the
    // game's.
    addPass(shadowBlur->horizontalShader, copyProgram());
    addPass(shadowBlur->verticalShader, copyProgram());
    addPass(edgeDetection->edgeShader, copyProgram());
    addPass(edgeDetection->addEdgesShader, copyProgram());
    addPass(bloom->brightPassShader, copyProgram());
    addPass(bloom->horizontalBlurShader, copyProgram());
    addPass(bloom->verticalBlurShader, copyProgram());
    addPass(bloom->bloomShader, copyProgram());
}

void FloorPrograms::exchange() {
    for (auto& [slot, other] : modelSlots) {
        std::swap(*slot, other);
    }
    for (auto& [slot, other] : passSlots) {
        slot->swap(other);
    }
    skyCube->model->shader = skyCube->shader.get();
}

void FloorPrograms::addModel(Scene::SceneObject& model, std::unique_ptr<Shader> floorProgram) {
    flatPrograms.push_back(std::move(floorProgram));
    modelSlots.emplace_back(&model.shader, flatPrograms.back().get());
}

void FloorPrograms::addPass(std::unique_ptr<Shader>& slot, std::unique_ptr<Shader> floorProgram) {
    passSlots.emplace_back(&slot, std::move(floorProgram));
}

} // namespace Velmora
