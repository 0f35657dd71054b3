#include "math/occlusion_grid.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

namespace Velmora {
namespace {

constexpr float noCover = std::numeric_limits<float>::max();

} // namespace

OcclusionGrid::OcclusionGrid(int columns, int rows)
    : columns(columns), rows(rows), coveredWithin(static_cast<std::size_t>(columns * rows), noCover) {}

void OcclusionGrid::begin(const glm::mat4& view, const glm::mat4& projection) {
    this->view = view;
    // A perspective's depth row holds its planes: -(f + n) / (f - n) and -2 f n / (f - n).
    nearPlane = projection[3][2] / (projection[2][2] - 1.0f);
    farPlane = projection[3][2] / (projection[2][2] + 1.0f);
    if (projectionScale != glm::vec2(projection[0][0], projection[1][1])) {
        aimCornerRays(projection);
    }
    std::fill(coveredWithin.begin(), coveredWithin.end(), noCover);
}

void OcclusionGrid::aimCornerRays(const glm::mat4& projection) {
    projectionScale = glm::vec2(projection[0][0], projection[1][1]);
    cornerRays.clear();
    for (int row = 0; row <= rows; ++row) {
        for (int column = 0; column <= columns; ++column) {
            const glm::vec2 corner(-1.0f + 2.0f * static_cast<float>(column) / static_cast<float>(columns),
                                   -1.0f + 2.0f * static_cast<float>(row) / static_cast<float>(rows));
            cornerRays.push_back(glm::normalize(glm::vec3(corner / projectionScale, -1.0f)));
        }
    }
}

bool OcclusionGrid::inFrontOfNearPlane(const glm::vec3& viewCentre, float radius) const {
    return -viewCentre.z - radius > nearPlane;
}

// The tiles between the two tangents from the eye to the sphere's outline along one screen axis; the sphere
// lies wholly beyond the near plane, so both tangents point ahead.
int OcclusionGrid::tileSpan(float centre, float depth, float radius, float scale, int tiles,
                            int& last) const {
    const float angle = std::atan2(centre, depth);
    const float halfWidth = std::asin(std::min(1.0f, radius / std::hypot(centre, depth)));
    const auto tileOf = [&](float slope) {
        const float tile = std::floor((slope * scale + 1.0f) * 0.5f * static_cast<float>(tiles));
        return static_cast<int>(std::clamp(tile, 0.0f, static_cast<float>(tiles - 1)));
    };
    last = tileOf(std::tan(angle + halfWidth));
    return tileOf(std::tan(angle - halfWidth));
}

OcclusionGrid::TileRange OcclusionGrid::tilesTouched(const glm::vec3& viewCentre, float radius) const {
    TileRange range{};
    const float depth = -viewCentre.z;
    range.firstColumn = tileSpan(viewCentre.x, depth, radius, projectionScale.x, columns, range.lastColumn);
    range.firstRow = tileSpan(viewCentre.y, depth, radius, projectionScale.y, rows, range.lastRow);
    return range;
}

void OcclusionGrid::markCornersInBall(const TileRange& range, const glm::vec3& axis, float coneCosine) {
    const int cornerColumns = range.lastColumn - range.firstColumn + 2;
    cornerInBall.assign(static_cast<std::size_t>(cornerColumns * (range.lastRow - range.firstRow + 2)), 0);
    for (int row = range.firstRow; row <= range.lastRow + 1; ++row) {
        for (int column = range.firstColumn; column <= range.lastColumn + 1; ++column) {
            const glm::vec3& ray = cornerRays[static_cast<std::size_t>(row * (columns + 1) + column)];
            cornerInBall[static_cast<std::size_t>((row - range.firstRow) * cornerColumns + column -
                                                  range.firstColumn)] = glm::dot(ray, axis) >= coneCosine;
        }
    }
}

// Rays through one tile are the positive blends of the rays through its corners, and the rays that meet a
// ball form a round cone, which holds every blend of rays it holds: a tile whose four corner rays meet the
// ball is covered throughout, by something no deeper than the ball's far side.
void OcclusionGrid::addOccluder(const glm::vec3& centre, float radius) {
    const glm::vec3 viewCentre(view * glm::vec4(centre, 1.0f));
    // A ball the near or far plane cuts is not drawn whole, so it covers nothing for certain.
    if (!inFrontOfNearPlane(viewCentre, radius) || -viewCentre.z + radius >= farPlane) {
        return;
    }
    const float distance = glm::length(viewCentre);
    const float coneCosine = std::sqrt(1.0f - (radius / distance) * (radius / distance));
    const TileRange range = tilesTouched(viewCentre, radius);
    markCornersInBall(range, viewCentre / distance, coneCosine);
    const int cornerColumns = range.lastColumn - range.firstColumn + 2;
    const auto inBall = [&](int column, int row) {
        return cornerInBall[static_cast<std::size_t>(row * cornerColumns + column)] != 0;
    };
    const float farSide = -viewCentre.z + radius;
    for (int row = range.firstRow; row <= range.lastRow; ++row) {
        for (int column = range.firstColumn; column <= range.lastColumn; ++column) {
            const int c = column - range.firstColumn;
            const int r = row - range.firstRow;
            if (inBall(c, r) && inBall(c + 1, r) && inBall(c, r + 1) && inBall(c + 1, r + 1)) {
                float& cover = coveredWithin[static_cast<std::size_t>(row * columns + column)];
                cover = std::min(cover, farSide);
            }
        }
    }
}

// A pixel belongs to the tile its centre lies in, as in the tiles a sphere touches. The stored depth grows
// with the view depth, so a tile's deepest stored value gives its cover with one conversion.
void OcclusionGrid::addDepths(const std::vector<float>& depths, int width, int height) {
    constexpr float noPixel = -1.0f;
    deepestStored.assign(coveredWithin.size(), noPixel);
    if (static_cast<int>(columnOfPixel.size()) != width) {
        columnOfPixel.clear();
        for (int x = 0; x < width; ++x) {
            columnOfPixel.push_back((2 * x + 1) * columns / (2 * width));
        }
    }
    for (int y = 0; y < height; ++y) {
        float* tileRow =
            &deepestStored[static_cast<std::size_t>((2 * y + 1) * rows / (2 * height) * columns)];
        const float* pixel = &depths[static_cast<std::size_t>(y) * static_cast<std::size_t>(width)];
        for (int x = 0; x < width; ++x) {
            float& deepest = tileRow[columnOfPixel[static_cast<std::size_t>(x)]];
            deepest = std::max(deepest, pixel[x]);
        }
    }
    for (std::size_t tile = 0; tile < coveredWithin.size(); ++tile) {
        if (deepestStored[tile] != noPixel && deepestStored[tile] < 1.0f) {
            coveredWithin[tile] = std::min(coveredWithin[tile], viewDepthOf(deepestStored[tile]));
        }
    }
}

bool OcclusionGrid::hides(const glm::vec3& centre, float radius) const {
    const glm::vec3 viewCentre(view * glm::vec4(centre, 1.0f));
    if (!inFrontOfNearPlane(viewCentre, radius)) {
        return false;
    }
    const float nearest = -viewCentre.z - radius - depthMargin(-viewCentre.z);
    const TileRange range = tilesTouched(viewCentre, radius);
    for (int row = range.firstRow; row <= range.lastRow; ++row) {
        for (int column = range.firstColumn; column <= range.lastColumn; ++column) {
            if (coveredWithin[static_cast<std::size_t>(row * columns + column)] >= nearest) {
                return false;
            }
        }
    }
    return true;
}

// The inverse of the perspective's depth mapping, from [0, 1] back to the distance along the view direction.
float OcclusionGrid::viewDepthOf(float storedDepth) const {
    const float ndc = 2.0f * storedDepth - 1.0f;
    return 2.0f * nearPlane * farPlane / (farPlane + nearPlane - ndc * (farPlane - nearPlane));
}

// The depth buffer tells depths apart only to a step that grows with the square of the depth; hidden must
// mean hidden by several of those steps, so that no rounding of a pixel's depth lets a hidden point win.
float OcclusionGrid::depthMargin(float depth) const {
    constexpr float depthSteps = 16777216.0f;
    const float step = depth * depth * (farPlane - nearPlane) / (nearPlane * farPlane * depthSteps);
    return 8.0f * step + 1e-4f;
}

} // namespace Velmora
