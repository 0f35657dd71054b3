#pragma once

#include "render/lit_model.hpp"

namespace Velmora::Scene {

// The mesh of one power-up item. Its matrix goes out with its material at set-up, while it is still the
// identity; from the first spawn on the frame uniforms carry the item's place.
class PowerUpModel : public LitModel {
public:
    PowerUpModel(const glm::mat4& initialModelMatrix, Shader* ownProgram, const std::string& meshPath);
};

} // namespace Velmora::Scene
