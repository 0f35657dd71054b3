#include "world/planet_model.hpp"

namespace Velmora::Scene {

PlanetModel::PlanetModel(const glm::mat4& initialModelMatrix, Shader* ownProgram, const std::string& meshPath)
    : LitModel(initialModelMatrix, ownProgram, meshPath, MatrixUpload::WithMaterial) {}

} // namespace Velmora::Scene
