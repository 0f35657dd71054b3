#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <glm/mat3x3.hpp>
#include <glm/vec2.hpp>
#include <glm/vec3.hpp>
#include <vector>

namespace Velmora {

// A rectangle of texture space (v grows upwards in the image) that a primitive's coordinates are mapped into.
struct UvRect {
    float u0 = 0.0f;
    float v0 = 0.0f;
    float u1 = 1.0f;
    float v1 = 1.0f;

    glm::vec2 map(float s, float t) const { return {u0 + (u1 - u0) * s, v0 + (v1 - v0) * t}; }
};

struct Vertex {
    glm::vec3 position;
    glm::vec3 normal;
    glm::vec2 uv;
};

// Collects one indexed triangle mesh. Every triangle is wound counter-clockwise as seen from the side its
// vertex normals point to, so callers only have to get the normals right.
class MeshBuilder {
public:
    std::uint32_t addVertex(const Vertex& vertex);
    void addTriangle(std::uint32_t a, std::uint32_t b, std::uint32_t c);
    // A flat convex polygon whose normal is turned to agree with `outward`; texture projected onto it.
    void addPolygon(const std::vector<glm::vec3>& points, const UvRect& rect, const glm::vec3& outward);
    // Corner i has x from bit 0, y from bit 1 and z from bit 2 of i (a possibly sheared box).
    void addHexahedron(const std::array<glm::vec3, 8>& corners, const UvRect& rect);
    void addBox(const glm::vec3& low, const glm::vec3& high, const UvRect& rect);
    // Smooth ellipsoid; u runs once around y starting at the back, v from the bottom pole to the top.
    void addEllipsoid(const glm::vec3& centre, const glm::vec3& radii, const UvRect& rect, int segments,
                      int rings, const glm::mat3& rotation = glm::mat3(1.0f));
    // Cube-sphere with `cells` quads along each face edge, each face tiling the texture `tiles` times;
    // `radius` gives the distance from the origin for each unit direction.
    void addCubeSphere(int cells, float tiles, const std::function<float(const glm::vec3&)>& radius);

    const std::vector<Vertex>& vertices() const { return vertices_; }
    const std::vector<std::uint32_t>& indices() const { return indices_; }

private:
    void addCubeFace(const glm::vec3& normal, int cells, float tiles,
                     const std::function<float(const glm::vec3&)>& radius);

    std::vector<Vertex> vertices_;
    std::vector<std::uint32_t> indices_;
};

} // namespace Velmora
