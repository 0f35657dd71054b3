#include "math/frustum.hpp"

#include <glm/gtc/matrix_transform.hpp>
#include <gtest/gtest.h>

namespace Velmora {
namespace {

// A camera at the origin looking down -z with the game's projection.
Frustum originFrustum() {
    Frustum frustum;
    frustum.setProjection(0.01f, 20.0f, 60.0f, 4.0f / 3.0f);
    frustum.setView(glm::vec3(0), glm::vec3(0, 0, -1), glm::vec3(0, 1, 0));
    return frustum;
}

TEST(PlaneTest, NormalFollowsWindingAndDegeneratePointsGiveZero) {
    Plane plane;
    plane.setFromPoints(glm::vec3(0, 0, 2), glm::vec3(1, 0, 2), glm::vec3(0, 1, 2));
    EXPECT_EQ(plane.normal, glm::vec3(0, 0, 1));
    EXPECT_EQ(plane.point, glm::vec3(1, 0, 2));
    EXPECT_FLOAT_EQ(plane.distance(glm::vec3(7, -3, 5)), 3.0f);

    plane.setFromPoints(glm::vec3(0), glm::vec3(1, 1, 1), glm::vec3(2, 2, 2));
    EXPECT_EQ(plane.normal, glm::vec3(0));
    EXPECT_EQ(plane.d, 0.0f);
}

TEST(FrustumTest, ProjectionIsInDegreesAndCornersSpanTheView) {
    const Frustum frustum = originFrustum();
    const float tan30 = 0.57735027f;
    EXPECT_NEAR(frustum.tanHalfFov, tan30, 1e-6f);
    EXPECT_NEAR(frustum.farHeight, 20.0f * tan30, 1e-5f);
    EXPECT_NEAR(frustum.farWidth, 20.0f * tan30 * 4.0f / 3.0f, 1e-5f);
    EXPECT_NEAR(glm::distance(frustum.ntl, glm::vec3(-frustum.nearWidth, frustum.nearHeight, -0.01f)), 0,
                1e-7f);
    EXPECT_NEAR(glm::distance(frustum.fbr, glm::vec3(frustum.farWidth, -frustum.farHeight, -20.0f)), 0,
                1e-5f);
}

TEST(FrustumTest, NormalsPointInwards) {
    const Frustum frustum = originFrustum();
    const glm::vec3 inside(0.3f, -0.2f, -5.0f);
    for (const Plane& plane : frustum.planes) {
        EXPECT_NEAR(glm::length(plane.normal), 1.0f, 1e-6f);
        EXPECT_GT(plane.distance(inside), 0.0f);
    }
    EXPECT_NEAR(glm::distance(frustum.planes[Frustum::nearPlane].normal, glm::vec3(0, 0, -1)), 0, 1e-6f);
    EXPECT_NEAR(glm::distance(frustum.planes[Frustum::farPlane].normal, glm::vec3(0, 0, 1)), 0, 1e-6f);
    EXPECT_LT(frustum.planes[Frustum::top].normal.y, 0.0f);
    EXPECT_GT(frustum.planes[Frustum::left].normal.x, 0.0f);
}

TEST(FrustumTest, SpheresAgainstPlanes) {
    const Frustum frustum = originFrustum();
    const Plane& nearPlane = frustum.planes[Frustum::nearPlane];
    EXPECT_FALSE(frustum.containsSphere(glm::vec3(0, 0, 5), 0.1f));
    EXPECT_LT(nearPlane.distance(glm::vec3(0, 0, 5)), -0.1f);

    // A centre just outside the right plane is visible while the sphere still reaches in.
    const Plane& right = frustum.planes[Frustum::right];
    const glm::vec3 inside(0, 0, -5);
    const glm::vec3 onRightPlane = inside - right.normal * right.distance(inside);
    const glm::vec3 centre = onRightPlane - right.normal * 0.05f;
    EXPECT_TRUE(frustum.containsSphere(centre, 0.1f));
    EXPECT_FALSE(frustum.containsSphere(centre, 0.04f));
    EXPECT_TRUE(frustum.containsSphere(inside, 0.0f));
}

TEST(FrustumTest, SingleVertexIsVisibleOnlyInsideOrOnEveryPlane) {
    const Frustum frustum = originFrustum();
    const std::vector<float> vertex{0, 0, 0};
    EXPECT_TRUE(
        isSphereOfPointsInFrustum(frustum, vertex, glm::translate(glm::mat4(1.0f), glm::vec3(0, 0, -10))));
    EXPECT_TRUE(
        isSphereOfPointsInFrustum(frustum, vertex, glm::translate(glm::mat4(1.0f), glm::vec3(0, 0, -20))));
    EXPECT_FALSE(isSphereOfPointsInFrustum(frustum, vertex,
                                           glm::translate(glm::mat4(1.0f), glm::vec3(0, 0, -20.01f))));
}

TEST(FrustumTest, MeshSphereIsTakenInWorldSpace) {
    const Frustum frustum = originFrustum();
    // Centre (0, 0, 0) and radius 1 in model space; the model doubles it to radius 2.
    const std::vector<float> mesh{-1, 0, 0, 1, 0, 0, 0, 0, 0};
    auto placedAt = [](float z) {
        return glm::scale(glm::translate(glm::mat4(1.0f), glm::vec3(0, 0, z)), glm::vec3(2.0f));
    };
    EXPECT_TRUE(isSphereOfPointsInFrustum(frustum, mesh, placedAt(-21.9f)));
    EXPECT_FALSE(isSphereOfPointsInFrustum(frustum, mesh, placedAt(-22.1f)));

    // Mean (0, 1, 0) and radius 2: neither the model origin nor the farthest vertex from it.
    const std::vector<float> lopsided{0, 0, 0, 0, 0, 0, 0, 3, 0};
    EXPECT_TRUE(isSphereOfPointsInFrustum(frustum, lopsided,
                                          glm::translate(glm::mat4(1.0f), glm::vec3(0, 0, -21.9f))));
    EXPECT_FALSE(isSphereOfPointsInFrustum(frustum, lopsided,
                                           glm::translate(glm::mat4(1.0f), glm::vec3(0, 0, -22.1f))));
}

TEST(FrustumTest, LookingAtOwnPositionRejectsNothing) {
    Frustum frustum;
    frustum.setProjection(0.01f, 20.0f, 60.0f, 1.8f);
    const glm::vec3 p(0, 0, 2.5f);
    frustum.setView(p, p, glm::vec3(0, 1, 0));
    for (const Plane& plane : frustum.planes) {
        EXPECT_EQ(plane.normal, glm::vec3(0));
        EXPECT_EQ(plane.d, 0.0f);
    }
    EXPECT_TRUE(frustum.containsSphere(glm::vec3(0, 0, 100), 0.0f));
}

} // namespace
} // namespace Velmora
