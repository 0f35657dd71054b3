#pragma once

#include <glm/glm.hpp>
#include <vector>

namespace Velmora {

// A coarse picture of what the depth buffer holds, or surely will hold, for leaving out things no pixel would
// show. Every answer errs towards drawing: a tile's cover is a depth that every pixel of the tile holds
// something at least as near as, and a sphere counts as hidden only when every tile it may touch is covered
// nearer than its nearest point. Depths are distances along the view direction, which is how the depth buffer
// orders what it holds along each ray.
class OcclusionGrid {
public:
    OcclusionGrid(int columns, int rows);

    // Starts a frame seen with this view and the camera's perspective projection, nothing covered yet.
    void begin(const glm::mat4& view, const glm::mat4& projection);
    // A ball in world space that is solid throughout, inside a closed mesh that will be drawn. The nearest
    // ball on a tile is never hidden itself, so whatever a tile's cover hides stays hidden by something
    // drawn.
    void addOccluder(const glm::vec3& centre, float radius);
    // What the depth buffer holds now, a row of width values after another from the bottom, each as stored:
    // 0 at the near plane, 1 at the far one.
    void addDepths(const std::vector<float>& depths, int width, int height);
    // True when no point of the sphere can show in front of what covers the grid.
    bool hides(const glm::vec3& centre, float radius) const;

private:
    // Inclusive tile columns and rows.
    struct TileRange {
        int firstColumn;
        int lastColumn;
        int firstRow;
        int lastRow;
    };

    bool inFrontOfNearPlane(const glm::vec3& viewCentre, float radius) const;
    TileRange tilesTouched(const glm::vec3& viewCentre, float radius) const;
    int tileSpan(float centre, float depth, float radius, float scale, int tiles, int& last) const;
    void markCornersInBall(const TileRange& range, const glm::vec3& axis, float coneCosine);
    void aimCornerRays(const glm::mat4& projection);
    float viewDepthOf(float storedDepth) const;
    float depthMargin(float depth) const;

    int columns;
    int rows;
    glm::mat4 view{1.0f};
    glm::vec2 projectionScale{0.0f};
    float nearPlane = 0.0f;
    float farPlane = 0.0f;
    // Unit view-space rays through the tiles' corners, a row of columns + 1 after another.
    std::vector<glm::vec3> cornerRays;
    // For each tile, the view depth within which every pixel of it holds something.
    std::vector<float> coveredWithin;
    // Working space, kept so that no frame allocates.
    std::vector<char> cornerInBall;
    std::vector<float> deepestStored;
    std::vector<int> columnOfPixel;
};

} // namespace Velmora
