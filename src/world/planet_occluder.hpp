#pragma once

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
    ~PlanetOccluder();

    // Placed by the planet's own matrix.
    void update(const glm::mat4& modelViewProjection) const;
    void drawDepth() const;

    std::unique_ptr<Shader> shader;

private:
    GLuint vertexArray = 0;
    GLuint positionBuffer = 0;
    GLsizei vertexCount = 0;
};

} // namespace Velmora
