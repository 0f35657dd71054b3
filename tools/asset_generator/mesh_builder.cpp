#include "mesh_builder.hpp"

#include <algorithm>
#include <cmath>
#include <glm/geometric.hpp>
#include <glm/gtc/constants.hpp>

namespace Velmora {
namespace {

constexpr float pi = glm::pi<float>();

glm::vec3 polygonNormal(const std::vector<glm::vec3>& points) {
    glm::vec3 sum(0.0f);
    for (size_t i = 0; i < points.size(); ++i) {
        sum += glm::cross(points[i], points[(i + 1) % points.size()]);
    }
    return glm::normalize(sum);
}

// Any two unit vectors perpendicular to `n` and to each other, with cross(first, second) == n.
void tangentsOf(const glm::vec3& n, glm::vec3& first, glm::vec3& second) {
    const glm::vec3 helper =
        std::abs(n.y) > 0.99f ? glm::vec3(1.0f, 0.0f, 0.0f) : glm::vec3(0.0f, 1.0f, 0.0f);
    first = glm::normalize(glm::cross(helper, n));
    second = glm::cross(n, first);
}

// Normal of the surface r(d) * d: the radial direction tilted against the slope of r, so a constant radius
// gives exactly the direction itself.
glm::vec3 radialSurfaceNormal(const glm::vec3& direction,
                              const std::function<float(const glm::vec3&)>& radius) {
    glm::vec3 e1;
    glm::vec3 e2;
    tangentsOf(direction, e1, e2);
    const float h = 1e-3f;
    auto slope = [&](const glm::vec3& e) {
        return (radius(glm::normalize(direction + e * h)) - radius(glm::normalize(direction - e * h))) /
               (2.0f * h);
    };
    return glm::normalize(radius(direction) * direction - slope(e1) * e1 - slope(e2) * e2);
}

} // namespace

std::uint32_t MeshBuilder::addVertex(const Vertex& vertex) {
    vertices_.push_back(vertex);
    return static_cast<std::uint32_t>(vertices_.size() - 1);
}

void MeshBuilder::addTriangle(std::uint32_t a, std::uint32_t b, std::uint32_t c) {
    const Vertex& va = vertices_[a];
    const Vertex& vb = vertices_[b];
    const Vertex& vc = vertices_[c];
    const glm::vec3 face = glm::cross(vb.position - va.position, vc.position - va.position);
    // The importer would turn a zero-area triangle into a separate point or line mesh.
    if (glm::dot(face, face) == 0.0f) {
        return;
    }
    const bool facesNormals = glm::dot(face, va.normal + vb.normal + vc.normal) >= 0.0f;
    indices_.insert(indices_.end(), {a, facesNormals ? b : c, facesNormals ? c : b});
}

void MeshBuilder::addPolygon(const std::vector<glm::vec3>& points, const UvRect& rect,
                             const glm::vec3& outward) {
    glm::vec3 normal = polygonNormal(points);
    if (glm::dot(normal, outward) < 0.0f) {
        normal = -normal;
    }
    // Walls get u to the viewer's right and v upwards; roofs and floors a fixed horizontal u.
    const glm::vec3 up(0.0f, 1.0f, 0.0f);
    const glm::vec3 across =
        std::abs(normal.y) > 0.99f ? glm::vec3(1.0f, 0.0f, 0.0f) : glm::normalize(glm::cross(up, normal));
    const glm::vec3 along = glm::cross(normal, across);
    glm::vec2 low(1e9f);
    glm::vec2 high(-1e9f);
    for (const glm::vec3& p : points) {
        const glm::vec2 q(glm::dot(p, across), glm::dot(p, along));
        low = glm::min(low, q);
        high = glm::max(high, q);
    }
    const std::uint32_t first = static_cast<std::uint32_t>(vertices_.size());
    for (const glm::vec3& p : points) {
        const glm::vec2 q = (glm::vec2(glm::dot(p, across), glm::dot(p, along)) - low) / (high - low);
        addVertex({p, normal, rect.map(q.x, q.y)});
    }
    for (std::uint32_t i = 1; i + 1 < points.size(); ++i) {
        addTriangle(first, first + i, first + i + 1);
    }
}

void MeshBuilder::addHexahedron(const std::array<glm::vec3, 8>& corners, const UvRect& rect) {
    static const int faces[6][4] = {{0, 2, 6, 4}, {1, 3, 7, 5}, {0, 1, 5, 4},
                                    {2, 3, 7, 6}, {0, 1, 3, 2}, {4, 5, 7, 6}};
    glm::vec3 centre(0.0f);
    for (const glm::vec3& corner : corners) {
        centre += corner / 8.0f;
    }
    for (const auto& face : faces) {
        std::vector<glm::vec3> points;
        glm::vec3 faceCentre(0.0f);
        for (int corner : face) {
            points.push_back(corners[corner]);
            faceCentre += corners[corner] / 4.0f;
        }
        addPolygon(points, rect, faceCentre - centre);
    }
}

void MeshBuilder::addBox(const glm::vec3& low, const glm::vec3& high, const UvRect& rect) {
    std::array<glm::vec3, 8> corners;
    for (int i = 0; i < 8; ++i) {
        corners[i] = glm::vec3((i & 1) ? high.x : low.x, (i & 2) ? high.y : low.y, (i & 4) ? high.z : low.z);
    }
    addHexahedron(corners, rect);
}

void MeshBuilder::addEllipsoid(const glm::vec3& centre, const glm::vec3& radii, const UvRect& rect,
                               int segments, int rings, const glm::mat3& rotation) {
    auto vertexAt = [&](float u, float v) {
        const float phi = 2.0f * pi * u + pi;
        const float theta = pi * v;
        const glm::vec3 d(-std::sin(theta) * std::sin(phi), -std::cos(theta),
                          std::sin(theta) * std::cos(phi));
        return addVertex(
            {centre + rotation * (radii * d), glm::normalize(rotation * (d / radii)), rect.map(u, v)});
    };
    std::vector<std::uint32_t> rows;
    for (int j = 1; j < rings; ++j) {
        for (int i = 0; i <= segments; ++i) {
            rows.push_back(vertexAt(static_cast<float>(i) / segments, static_cast<float>(j) / rings));
        }
    }
    const int stride = segments + 1;
    for (int j = 0; j + 2 < rings; ++j) {
        for (int i = 0; i < segments; ++i) {
            const std::uint32_t a = rows[j * stride + i];
            const std::uint32_t b = rows[(j + 1) * stride + i];
            addTriangle(a, a + 1, b + 1);
            addTriangle(a, b + 1, b);
        }
    }
    const int lastRow = (rings - 2) * stride;
    for (int i = 0; i < segments; ++i) {
        const float u = (i + 0.5f) / segments;
        addTriangle(vertexAt(u, 0.0f), rows[i], rows[i + 1]);
        addTriangle(vertexAt(u, 1.0f), rows[lastRow + i], rows[lastRow + i + 1]);
    }
}

void MeshBuilder::addCubeSphere(int cells, float tiles,
                                const std::function<float(const glm::vec3&)>& radius) {
    for (int axis = 0; axis < 3; ++axis) {
        for (float sign : {1.0f, -1.0f}) {
            glm::vec3 normal(0.0f);
            normal[axis] = sign;
            addCubeFace(normal, cells, tiles, radius);
        }
    }
}

void MeshBuilder::addCubeFace(const glm::vec3& normal, int cells, float tiles,
                              const std::function<float(const glm::vec3&)>& radius) {
    glm::vec3 across;
    glm::vec3 along;
    tangentsOf(normal, across, along);
    const std::uint32_t first = static_cast<std::uint32_t>(vertices_.size());
    for (int j = 0; j <= cells; ++j) {
        for (int i = 0; i <= cells; ++i) {
            // Equal-angle spacing keeps the cells of a face about the same size from centre to corner.
            const float s = std::tan((2.0f * i / cells - 1.0f) * pi / 4.0f);
            const float t = std::tan((2.0f * j / cells - 1.0f) * pi / 4.0f);
            const glm::vec3 direction = glm::normalize(normal + across * s + along * t);
            addVertex({direction * radius(direction), radialSurfaceNormal(direction, radius),
                       glm::vec2(tiles * i / cells, tiles * j / cells)});
        }
    }
    for (int j = 0; j < cells; ++j) {
        for (int i = 0; i < cells; ++i) {
            const std::uint32_t a = first + j * (cells + 1) + i;
            const std::uint32_t b = a + cells + 1;
            addTriangle(a, a + 1, b + 1);
            addTriangle(a, b + 1, b);
        }
    }
}

} // namespace Velmora
