#pragma once

#include "math/mesh_bounds.hpp"
#include "render/lit_model.hpp"
#include "render/renderer_kind.hpp"

#include <cstddef>
#include <vector>

namespace Velmora::Scene {

// The one rock mesh that every asteroid is drawn with: the rocks in sight go out in instanced draws of up to
// a batch each, each rock with its own matrices from the instance buffer, so nothing per rock goes out as a
// uniform.
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
    // Rocks a batch on a software renderer: a batch's own cost, a buffer store and a wait, stays small beside
    // its 300,000 triangles.
    static constexpr std::size_t batchSize = 1000;
    // Rocks a draw on a graphics card, 10 MiB of instances: a store drivers stream without trouble, so
    // every shower but the very largest goes out in one draw.
    static constexpr std::size_t hardwareBatchSize = 65536;
    // A wait that outlasts this goes on drawing: the bound on memory is worth less than a frozen frame.
    static constexpr GLuint64 batchWaitLimitNs = 1000000000;

    // Sends the instances and draws them in batches of instanced calls, in their order; the biased light
    // view-projection is the same for all.
    void drawAll(const std::vector<Instance>& instances, const glm::mat4& lightViewProjection,
                 const ShadowBlur& shadowBlur, RendererKind renderer);

    // About the rock's centre; rocks are turned and moved, never scaled, so these hold in the world too.
    const MeshBounds bounds;

private:
    void bindInstanceAttributes();
    void drawBatch(const Instance* batch, std::size_t count, const ShadowBlur& shadowBlur);

    GlBuffer instanceBuffer;
};

} // namespace Velmora::Scene
