#pragma once

#include "render/lit_model.hpp"
#include "world/player_part_transform.hpp"

namespace Velmora::Scene {

// One of the character's eight body parts. Parts are drawn only through drawPart, which can swap in the
// shield's metal texture; every move is walked on the part's transform and written back whole, so that the
// reference matrix follows the model.
class PlayerModel : public LitModel {
public:
    PlayerModel(const glm::mat4& initialModelMatrix, Shader* ownProgram, Texture* ownTexture,
                Texture* shieldTexture, Material* ownMaterial, const std::string& meshPath);

    void draw(const ShadowBlur* shadowBlur) override;
    void drawPart(const ShadowBlur& shadowBlur, bool useMetal);

    // Wherever the part stood before.
    void placeAtStart();

    PlayerPartTransform transform() const;
    // The one place where both matrices of the part are written.
    void setTransform(const PlayerPartTransform& placement);

    Texture* metalTexture = nullptr;
    glm::mat4 referenceMatrix{1.0f};
};

} // namespace Velmora::Scene
