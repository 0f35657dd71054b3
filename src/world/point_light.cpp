#include "world/point_light.hpp"

namespace Velmora {

void PointLight::appendTo(std::vector<float>& positions, std::vector<float>& colors,
                          std::vector<float>& intensities, std::vector<float>& ranges) const {
    positions.insert(positions.end(), {position.x, position.y, position.z});
    colors.insert(colors.end(), {color.r, color.g, color.b});
    intensities.push_back(intensity);
    ranges.push_back(range);
}

} // namespace Velmora
