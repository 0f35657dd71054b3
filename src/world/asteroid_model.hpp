#pragma once

#include "render/lit_model.hpp"

namespace Velmora::Scene {

// The one rock mesh that every asteroid is drawn with: its matrix is set to each asteroid's in turn, so it
// goes out with the frame uniforms, never with the material.
class AsteroidModel : public LitModel {
public:
    AsteroidModel(const glm::mat4& initialModelMatrix, Shader* ownProgram, const std::string& meshPath);
};

} // namespace Velmora::Scene
