#pragma once

#include "render/gl_name.hpp"

#include <glm/glm.hpp>

namespace Velmora {

// The depth of the shadow casters as the sun sees them, through one orthographic box fixed for the whole
// game, and the light matrices that map world points into that picture.
class ShadowMap {
public:
    static constexpr int size = 1024;

    ShadowMap();
    ShadowMap(const ShadowMap&) = delete;
    ShadowMap& operator=(const ShadowMap&) = delete;

    // Clip space of the light without bias, for the casters' shadow programs; texture space with bias, for
    // looking points up in the shadow map.
    glm::mat4 computeLightMVP(glm::vec3 lightVector, bool bias, glm::mat4 model) const;

    glm::mat4 biasMatrix{1.0f};
    // The depth texture goes before the framebuffer it is attached to.
    GlFramebuffer framebuffer;
    GlTexture depthTexture;
};

} // namespace Velmora
