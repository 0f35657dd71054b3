#pragma once

#include "render/lit_model.hpp"

namespace Velmora::Scene {

// The mesh of one house or lantern: placed once at set-up, so its matrix goes out with its material.
class DecorationItemModel : public LitModel {
public:
    DecorationItemModel(const glm::mat4& initialModelMatrix, Shader* ownProgram, const std::string& meshPath);
};

} // namespace Velmora::Scene
