#include "world/decoration_item_model.hpp"

namespace Velmora::Scene {

DecorationItemModel::DecorationItemModel(const glm::mat4& initialModelMatrix, Shader* ownProgram,
                                         const std::string& meshPath)
    : LitModel(initialModelMatrix, ownProgram, meshPath, MatrixUpload::WithMaterial) {}

} // namespace Velmora::Scene
