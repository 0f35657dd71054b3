#pragma once

#include "render/lit_model.hpp"

namespace Velmora::Scene {

// The planet's sphere: a lit model whose fixed identity matrix goes out once with its material.
class PlanetModel : public LitModel {
public:
    PlanetModel(const glm::mat4& initialModelMatrix, Shader* ownProgram, const std::string& meshPath);
};

} // namespace Velmora::Scene
