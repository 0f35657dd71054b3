#pragma once

#include "render/gl_name.hpp"
#include "render/shader.hpp"

#include <GL/glew.h>
#include <glm/glm.hpp>
#include <memory>

namespace Velmora {

// A coarse ball just inside the planet's surface, drawn as depth alone before the sky: the sky behind the
// planet and the planet's far half then fail the depth test before they are shaded. Lying wholly inside the
// planet, it hides nothing that the planet itself does not hide, and the planet's near side always passes in
// front of it.
class PlanetOccluder {
public:
    PlanetOccluder();
    PlanetOccluder(const PlanetOccluder&) = delete;
    PlanetOccluder& operator=(const PlanetOccluder&) = delete;

    // Placed by the planet's own matrix.
    void update(const glm::mat4& modelViewProjection) const;
    void drawDepth() const;

private:
    // Released from the bottom up: the program, then the buffer, then the vertex array that read it.
    GlVertexArray vertexArray;
    GlBuffer positionBuffer;
    std::unique_ptr<Shader> shader;
    GLsizei vertexCount = 0;
};

} // namespace Velmora
