#pragma once

#include <vector>

namespace Velmora {

// The lanterns' lights as the lit programs receive them: three floats per light for positions and colours,
// one per light for intensities and ranges, element k of each belonging to lantern k.
struct PointLightArrays {
    std::vector<float> pointLightPositions;
    std::vector<float> pointLightColors;
    std::vector<float> pointLightIntensities;
    std::vector<float> pointLightRanges;
};

} // namespace Velmora
