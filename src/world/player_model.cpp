#include "world/player_model.hpp"

namespace Velmora::Scene {

PlayerModel::PlayerModel(const glm::mat4& initialModelMatrix, Shader* ownProgram, Texture* ownTexture,
                         Texture* shieldTexture, Material* ownMaterial, const std::string& meshPath)
    : LitModel(initialModelMatrix, ownProgram, meshPath, MatrixUpload::PerFrameOnly),
      metalTexture(shieldTexture) {
    colorTexture = ownTexture;
    material = ownMaterial;
}

void PlayerModel::draw(const ShadowBlur*) {}

void PlayerModel::drawPart(const ShadowBlur& shadowBlur, bool useMetal) {
    drawWithTexture(useMetal ? *metalTexture : *colorTexture, shadowBlur);
}

void PlayerModel::placeAtStart() {
    PlayerPartTransform placement;
    placement.placeAtStart();
    setTransform(placement);
}

PlayerPartTransform PlayerModel::transform() const {
    PlayerPartTransform placement;
    placement.modelMatrix = modelMatrix;
    placement.referenceMatrix = referenceMatrix;
    return placement;
}

void PlayerModel::setTransform(const PlayerPartTransform& placement) {
    modelMatrix = placement.modelMatrix;
    referenceMatrix = placement.referenceMatrix;
}

} // namespace Velmora::Scene
