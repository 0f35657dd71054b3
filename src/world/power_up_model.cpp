#include "world/power_up_model.hpp"

namespace Velmora::Scene {

PowerUpModel::PowerUpModel(const glm::mat4& initialModelMatrix, Shader* ownProgram,
                           const std::string& meshPath)
    : LitModel(initialModelMatrix, ownProgram, meshPath, MatrixUpload::WithMaterial) {}

} // namespace Velmora::Scene
