#include "world/asteroid_model.hpp"

namespace Velmora::Scene {

AsteroidModel::AsteroidModel(const glm::mat4& initialModelMatrix, Shader* ownProgram,
                             const std::string& meshPath)
    : LitModel(initialModelMatrix, ownProgram, meshPath, MatrixUpload::PerFrameOnly) {}

} // namespace Velmora::Scene
