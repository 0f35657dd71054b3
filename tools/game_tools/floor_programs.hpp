#pragma once

#include "render/scene_object.hpp"
#include "render/shader.hpp"

#include <memory>
#include <utility>
#include <vector>

namespace Velmora {

// What a frame costs at the least: the same geometry and targets, every model drawn with a flat colour and
// every full-screen pass a copy with one fetch a pixel. Exchanging puts these programs where the game's are;
// exchanging again puts the game's back. Each model gets a flat program of its own, since the game sets a
// model's matrices on its program during the update and draws later.
class FloorPrograms {
public:
    // After the game is set up.
    FloorPrograms();
    void exchange();

private:
    void addModel(Scene::SceneObject& model, std::unique_ptr<Shader> floorProgram);
    void addPass(std::unique_ptr<Shader>& slot, std::unique_ptr<Shader> floorProgram);

    std::vector<std::unique_ptr<Shader>> flatPrograms;
    std::vector<std::pair<Shader**, Shader*>> modelSlots;
    std::vector<std::pair<std::unique_ptr<Shader>*, std::unique_ptr<Shader>>> passSlots;
};

} // namespace Velmora
