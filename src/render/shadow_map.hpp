#pragma once

#include "render/gl_name.hpp"

#include <glm/glm.hpp>

namespace Velmora {

// The depth of the shadow casters as the sun sees them, through one orthographic box fixed for the whole
// game, and the light matrices that map world points into that picture.
class ShadowMap {
public:
    static constexpr int size = 1024;
    // The light's box reaches this far from the planet's centre across the light's axis.
    static constexpr float boxHalfWidth = 1.5f;
    // No shadow caster reaches farther from the planet's centre. The planet has radius 1; the highest point
    // on it is a lantern's top, 0.25 above the ground it stands on (1.25); the houses' chimneys reach 1.19,
    // the character's head 1.13 and an item, hovering at 1.1, bobbing by at most 0.03 and 0.035 across, 1.17.
    // The rocks cast no shadow. The rest is margin.
    static constexpr float casterRadius = 1.3f;
    // Outside this many texels from the map's centre the map keeps its cleared depth: the caster radius in
    // texels, rounded up, and one texel more for the rasteriser's rounding at the disk's edge.
    static constexpr int casterTexelRadius = static_cast<int>(casterRadius / boxHalfWidth * size / 2) + 2;

    ShadowMap();
    ShadowMap(const ShadowMap&) = delete;
    ShadowMap& operator=(const ShadowMap&) = delete;

    // Clip space of the light without bias, for the casters' shadow programs; texture space with bias, for
    // looking points up in the shadow map.
    glm::mat4 computeLightMVP(glm::vec3 lightVector, bool bias, glm::mat4 model) const;
    // Binds the map's framebuffer and viewport and clears the map to "nothing there", as each frame starts
    // it.
    void bindCleared() const;

    glm::mat4 biasMatrix{1.0f};
    // The depth texture goes before the framebuffer it is attached to.
    GlFramebuffer framebuffer;
    GlTexture depthTexture;
};

} // namespace Velmora
