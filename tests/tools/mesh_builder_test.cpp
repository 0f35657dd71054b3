#include "mesh_builder.hpp"

#include <glm/geometric.hpp>
#include <gtest/gtest.h>

using Velmora::MeshBuilder;
using Velmora::UvRect;

namespace {

// Every index is valid and every triangle is wound counter-clockwise seen from outside `centre`.
void expectClosedOutwardMesh(const MeshBuilder& mesh, const glm::vec3& centre) {
    const auto& vertices = mesh.vertices();
    const auto& indices = mesh.indices();
    ASSERT_EQ(indices.size() % 3, 0u);
    for (size_t i = 0; i < indices.size(); i += 3) {
        ASSERT_LT(indices[i], vertices.size());
        ASSERT_LT(indices[i + 1], vertices.size());
        ASSERT_LT(indices[i + 2], vertices.size());
        const glm::vec3 a = vertices[indices[i]].position;
        const glm::vec3 b = vertices[indices[i + 1]].position;
        const glm::vec3 c = vertices[indices[i + 2]].position;
        const glm::vec3 face = glm::cross(b - a, c - a);
        ASSERT_GT(glm::length(face), 0.0f) << "degenerate triangle " << i / 3;
        ASSERT_GT(glm::dot(face, (a + b + c) / 3.0f - centre), 0.0f) << "inward triangle " << i / 3;
        ASSERT_GT(glm::dot(face, vertices[indices[i]].normal), 0.0f) << "winding against normal " << i / 3;
    }
}

} // namespace

TEST(MeshBuilder, CubeSphereIsAUnitSphereWithTiledUvsAndOutwardTriangles) {
    MeshBuilder mesh;
    mesh.addCubeSphere(8, 4.0f, [](const glm::vec3&) { return 1.0f; });
    EXPECT_EQ(mesh.indices().size(), 6u * 8u * 8u * 2u * 3u);
    float maxU = 0.0f;
    for (const auto& vertex : mesh.vertices()) {
        EXPECT_NEAR(glm::length(vertex.position), 1.0f, 1e-5f);
        EXPECT_NEAR(glm::distance(vertex.normal, vertex.position), 0.0f, 1e-6f);
        EXPECT_GE(vertex.uv.x, 0.0f);
        maxU = std::max(maxU, vertex.uv.x);
    }
    EXPECT_FLOAT_EQ(maxU, 4.0f);
    expectClosedOutwardMesh(mesh, glm::vec3(0.0f));
}

TEST(MeshBuilder, EllipsoidsAndBoxesWindOutwardsWithinTheirUvRects) {
    const glm::vec3 centre(0.1f, -0.2f, 0.3f);
    const glm::vec3 radii(0.03f, 0.02f, 0.01f);
    const UvRect rect{0.25f, 0.5f, 0.75f, 1.0f};
    MeshBuilder ellipsoid;
    ellipsoid.addEllipsoid(centre, radii, rect, 12, 8);
    for (const auto& vertex : ellipsoid.vertices()) {
        const glm::vec3 unit = (vertex.position - centre) / radii;
        EXPECT_NEAR(glm::dot(unit, unit), 1.0f, 1e-4f);
        EXPECT_GE(vertex.uv.x, rect.u0);
        EXPECT_LE(vertex.uv.x, rect.u1);
        EXPECT_GE(vertex.uv.y, rect.v0);
        EXPECT_LE(vertex.uv.y, rect.v1);
    }
    expectClosedOutwardMesh(ellipsoid, centre);

    MeshBuilder box;
    box.addBox(glm::vec3(-1.0f, 0.0f, 2.0f), glm::vec3(1.0f, 0.5f, 3.0f), rect);
    EXPECT_EQ(box.indices().size(), 36u);
    expectClosedOutwardMesh(box, glm::vec3(0.0f, 0.25f, 2.5f));
}

TEST(MeshBuilder, PolygonFacesTheRequestedSideWithUvRightAndUp) {
    MeshBuilder inward;
    // Seen from the origin the quad at z = 8 must be front-facing, as a sky-cube face is.
    inward.addPolygon({{-8, -8, 8}, {8, -8, 8}, {8, 8, 8}, {-8, 8, 8}}, UvRect{}, {0, 0, -1});
    ASSERT_EQ(inward.indices().size(), 6u);
    for (const auto& vertex : inward.vertices()) {
        EXPECT_EQ(vertex.normal, glm::vec3(0, 0, -1));
        // From inside, looking along +z, the right-hand side is -x: u must grow towards it.
        EXPECT_FLOAT_EQ(vertex.uv.x, vertex.position.x < 0.0f ? 1.0f : 0.0f);
        EXPECT_FLOAT_EQ(vertex.uv.y, vertex.position.y > 0.0f ? 1.0f : 0.0f);
    }
    const auto& v = inward.vertices();
    const auto& i = inward.indices();
    const glm::vec3 face =
        glm::cross(v[i[1]].position - v[i[0]].position, v[i[2]].position - v[i[0]].position);
    EXPECT_LT(face.z, 0.0f);
}
