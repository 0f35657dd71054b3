#pragma once

#include "render/lit_model.hpp"

#include <vector>

namespace Velmora::Scene {

// The one rock mesh that every asteroid is drawn with: all rocks in sight go out in one instanced draw, each
// with its own matrices from the instance buffer, so nothing per rock goes out as a uniform.
class AsteroidModel : public LitModel {
public:
    // What differs from rock to rock, laid out as the rock program's instance attributes read it.
    struct Instance {
        glm::mat4 mvpMatrix;
        glm::mat4 modelMatrix;
        glm::mat3 normalMatrix;
    };

    AsteroidModel(const glm::mat4& initialModelMatrix, Shader* ownProgram, const std::string& meshPath);

    // The rock as the instance attributes want it, from the camera's view-projection.
    static Instance instanceOf(const glm::mat4& modelMatrix, const glm::mat4& viewProjection);
    // Sends the instances and draws them in one call; the biased light view-projection is the same for all.
    void drawAll(const std::vector<Instance>& instances, const glm::mat4& lightViewProjection,
                 const ShadowBlur& shadowBlur);

private:
    void bindInstanceAttributes();

    GlBuffer instanceBuffer;
};

} // namespace Velmora::Scene
