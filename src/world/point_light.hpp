#pragma once

#include <glm/glm.hpp>
#include <vector>

namespace Velmora {

// The yellow light hovering over one lantern.
struct PointLight {
    // Adds this light's values to the four flat arrays that the lit programs receive.
    void appendTo(std::vector<float>& positions, std::vector<float>& colors, std::vector<float>& intensities,
                  std::vector<float>& ranges) const;

    glm::vec3 position{0.0f, 0.0f, 0.0f};
    glm::vec3 color{1.0f, 1.0f, 0.0f};
    float intensity = 1.8f;
    float range = 1.0f;
};

} // namespace Velmora
