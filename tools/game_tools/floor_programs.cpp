#include "floor_programs.hpp"

#include "app/game_state.hpp"
#include "postfx/bloom.hpp"
#include "postfx/edge_detection.hpp"
#include "render/shadow_blur.hpp"
#include "world/asteroid_model.hpp"
#include "world/world_object.hpp"

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
    std::vector<Scene::SceneObject*> models;
    for (const WorldEntry& entry : worldObjects()) {
        entry.object->addModels(models);
    }
    for (Scene::SceneObject* model : models) {
        // The rocks are drawn all at once, their matrices coming with each instance.
        const bool instanced = dynamic_cast<Scene::AsteroidModel*>(model) != nullptr;
        addModel(*model, instanced ? flatProgram(VELMORA_BENCHMARK_SHADERS "/FlatColorInstanced.vert")
                                   : flatProgram());
    }
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
}

void FloorPrograms::addModel(Scene::SceneObject& model, std::unique_ptr<Shader> floorProgram) {
    flatPrograms.push_back(std::move(floorProgram));
    modelSlots.emplace_back(&model.shader, flatPrograms.back().get());
}

void FloorPrograms::addPass(std::unique_ptr<Shader>& slot, std::unique_ptr<Shader> floorProgram) {
    passSlots.emplace_back(&slot, std::move(floorProgram));
}

} // namespace Velmora
