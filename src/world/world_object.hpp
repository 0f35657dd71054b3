#pragma once

#include "render/point_light_arrays.hpp"
#include "render/renderer_kind.hpp"

#include <functional>
#include <glm/glm.hpp>
#include <vector>

namespace Velmora {

class Camera;
class ShadowBlur;
class ShadowMap;
class Texture;
namespace Scene {
class SceneObject;
}

// What every lit object's per-frame uniforms are made from.
struct FrameUniforms {
    const glm::vec3& light;
    const Camera& camera;
    const ShadowMap& shadowMap;
    glm::vec3 playerPosition;
    double stepTime;
};

// What the scene pass draws with.
struct SceneDraw {
    const glm::vec3& light;
    const Camera& camera;
    bool cullingEnabled;
    // Things wholly hidden behind solid ones may be left out: they would not change a pixel.
    bool skipHidden;
    bool showerStarted;
    const ShadowMap& shadowMap;
    const ShadowBlur& shadowBlur;
    RendererKind renderer;
};

// How the scene pass treats back faces for one kind of object.
enum class FaceCulling {
    // Never culled: the sky is seen from inside.
    Off,
    // Culled while the face-culling key says so.
    AsKeySays,
    // Closed meshes: always culled, except in wireframe, which keeps every line on show.
    ClosedMesh
};

// One kind of thing in the world, taking part in the passes it needs; every pass it has no part in is empty.
// The game's passes walk one registration of these (worldObjects in the game's shared state), so a new kind
// is its own files, its holder in the shared state, created and released with the others, and one
// registration line.
class WorldObject {
public:
    virtual ~WorldObject() = default;

    // Once at set-up: the lanterns' lights, which never move.
    virtual void uploadMaterialAndLights(PointLightArrays) {}
    // Every update step, with the step's light.
    virtual void update(const FrameUniforms&) {}
    virtual void updateShadowMatrices(const glm::vec3&, const ShadowMap&) {}
    virtual void drawShadows() {}
    // Returns how many objects it drew, for the drawn-objects count.
    virtual int draw(const SceneDraw&) { return 0; }
    virtual FaceCulling faceCulling() const { return FaceCulling::AsKeySays; }
    // The textures whose filters the sampling and mip-mapping keys switch.
    virtual void addSamplingTextures(std::vector<const Texture*>&) const {}
    // The meshes it draws, each with a program of its own, for a tool that exchanges their programs.
    virtual void addModels(std::vector<Scene::SceneObject*>&) const {}
    // Takes the values that playing changes and returns what puts them back, so that a test can play from the
    // same start again.
    virtual std::function<void()> keepState() {
        return [] {};
    }
};

} // namespace Velmora
