#include "math/mesh_bounds.hpp"
#include "math/occlusion_grid.hpp"

#include <algorithm>
#include <cmath>
#include <glm/gtc/matrix_transform.hpp>
#include <gtest/gtest.h>
#include <optional>
#include <random>

namespace Velmora {
namespace {

struct Ball {
    glm::vec3 centre;
    float radius;
};

// The game's projection for a wide window; the eye at the origin looking down -z.
const glm::mat4 projection = glm::perspective(glm::radians(60.0f), 1.8f, 0.01f, 20.0f);

OcclusionGrid gridSeeing(const std::vector<Ball>& occluders) {
    OcclusionGrid grid(224, 128);
    grid.begin(glm::mat4(1.0f), projection);
    for (const Ball& ball : occluders) {
        grid.addOccluder(ball.centre, ball.radius);
    }
    return grid;
}

// The view depth at which a ray from the eye first meets the ball, if it does.
std::optional<float> frontHitDepth(const glm::vec3& ray, const Ball& ball) {
    const float along = glm::dot(ray, ball.centre);
    const float missSquared = glm::dot(ball.centre, ball.centre) - along * along;
    if (along <= 0.0f || missSquared > ball.radius * ball.radius) {
        return std::nullopt;
    }
    return (along - std::sqrt(ball.radius * ball.radius - missSquared)) * -ray.z;
}

// Rays through many points of the sphere's outline and inside: each must meet an occluder before the sphere.
void expectEveryRayMeetsAnOccluderFirst(const Ball& sphere, const std::vector<Ball>& occluders,
                                        std::mt19937& random) {
    std::uniform_real_distribution<float> unit(-1.0f, 1.0f);
    for (int sample = 0; sample < 200; ++sample) {
        glm::vec3 offset(unit(random), unit(random), unit(random));
        offset *= sphere.radius / std::max(1.0f, glm::length(offset)) * (sample < 100 ? 1.0f : 0.999f);
        const glm::vec3 ray = glm::normalize(sphere.centre + offset);
        const std::optional<float> sphereHit = frontHitDepth(ray, sphere);
        if (!sphereHit) {
            continue;
        }
        float nearest = 1e9f;
        for (const Ball& occluder : occluders) {
            nearest = std::min(nearest, frontHitDepth(ray, occluder).value_or(1e9f));
        }
        ASSERT_LT(nearest, *sphereHit) << "a ray reaches a sphere called hidden";
    }
}

TEST(OcclusionGridTest, BallHidesOnlyWhatLiesWhollyBehindItsCover) {
    const Ball wall{{0.0f, 0.0f, -2.0f}, 0.5f};
    const OcclusionGrid grid = gridSeeing({wall});
    EXPECT_TRUE(grid.hides({0.0f, 0.0f, -4.0f}, 0.2f));
    EXPECT_TRUE(grid.hides({0.1f, -0.1f, -3.0f}, 0.1f));
    // Beside it, reaching past its outline, in front of it, or overlapping its far side.
    EXPECT_FALSE(grid.hides({1.5f, 0.0f, -4.0f}, 0.2f));
    EXPECT_FALSE(grid.hides({0.0f, 0.0f, -4.0f}, 0.9f));
    EXPECT_FALSE(grid.hides({0.0f, 0.0f, -1.0f}, 0.1f));
    EXPECT_FALSE(grid.hides({0.0f, 0.0f, -2.6f}, 0.2f));
    // Nothing covers anything until a ball is added, and a ball the near plane cuts covers nothing.
    EXPECT_FALSE(gridSeeing({}).hides({0.0f, 0.0f, -4.0f}, 0.1f));
    EXPECT_FALSE(gridSeeing({{{0.0f, 0.0f, -0.2f}, 0.195f}}).hides({0.0f, 0.0f, -4.0f}, 0.01f));
    // A sphere reaching through the near plane is never hidden.
    EXPECT_FALSE(grid.hides({0.0f, 0.0f, -0.05f}, 0.06f));
}

TEST(OcclusionGridTest, NothingCalledHiddenInADenseFieldOfBallsCanBeSeen) {
    std::mt19937 random(11);
    std::uniform_real_distribution<float> across(-0.9f, 0.9f);
    std::uniform_real_distribution<float> depth(1.0f, 5.0f);
    const auto ballInView = [&](float radius) {
        const float z = depth(random);
        return Ball{{across(random) * z * 0.577f * 1.8f, across(random) * z * 0.577f, -z}, radius};
    };
    std::vector<Ball> occluders;
    for (int i = 0; i < 3000; ++i) {
        occluders.push_back(ballInView(0.043f));
    }
    const OcclusionGrid grid = gridSeeing(occluders);
    int hidden = 0;
    for (int i = 0; i < 3000; ++i) {
        const Ball sphere = ballInView(0.059f);
        if (grid.hides(sphere.centre, sphere.radius)) {
            ++hidden;
            expectEveryRayMeetsAnOccluderFirst(sphere, occluders, random);
        }
    }
    EXPECT_GT(hidden, 300);
}

// A depth image of a wall at view depth 3 with a hole of one pixel where the far plane shows through.
TEST(OcclusionGridTest, DepthBufferHidesWhatLiesBehindEveryPixelOfIt) {
    const int width = 448;
    const int height = 256;
    const glm::vec4 onWall = projection * glm::vec4(0.0f, 0.0f, -3.0f, 1.0f);
    std::vector<float> depths(width * height, 0.5f * onWall.z / onWall.w + 0.5f);
    const glm::ivec2 hole(224, 128);
    depths[hole.y * width + hole.x] = 1.0f;
    OcclusionGrid grid(224, 128);
    grid.begin(glm::mat4(1.0f), projection);
    grid.addDepths(depths, width, height);
    EXPECT_TRUE(grid.hides({1.0f, 0.5f, -4.0f}, 0.2f));
    EXPECT_FALSE(grid.hides({1.0f, 0.5f, -2.9f}, 0.2f));
    // Three steps of the depth buffer behind the wall: within what the rounding of stored depths can swap.
    const float depthStep = 9.0f * (20.0f - 0.01f) / (0.01f * 20.0f * 16777216.0f);
    EXPECT_FALSE(grid.hides({1.0f, 0.5f, -3.2f - 3.0f * depthStep}, 0.2f));
    // Over the hole: the pixel at the picture's centre.
    EXPECT_FALSE(grid.hides({0.0f, 0.0f, -4.0f}, 0.05f));
    // Where nothing was drawn, nothing is hidden.
    std::fill(depths.begin(), depths.end(), 1.0f);
    grid.begin(glm::mat4(1.0f), projection);
    grid.addDepths(depths, width, height);
    EXPECT_FALSE(grid.hides({1.0f, 0.5f, -4.0f}, 0.2f));
}

// The nearest of many points spread over every triangle, from the origin.
float sampledNearest(const std::vector<float>& positions, const std::vector<std::uint32_t>& indices) {
    const auto vertex = [&](std::uint32_t i) {
        return glm::vec3(positions[3 * i], positions[3 * i + 1], positions[3 * i + 2]);
    };
    float nearest = 1e9f;
    for (std::size_t i = 0; i < indices.size(); i += 3) {
        for (int u = 0; u <= 60; ++u) {
            for (int v = 0; u + v <= 60; ++v) {
                const glm::vec3 point = vertex(indices[i]) +
                                        (vertex(indices[i + 1]) - vertex(indices[i])) * (u / 60.0f) +
                                        (vertex(indices[i + 2]) - vertex(indices[i])) * (v / 60.0f);
                nearest = std::min(nearest, glm::length(point));
            }
        }
    }
    return nearest;
}

TEST(MeshBoundsTest, InnerBallTouchesTheSurfaceAndOuterHoldsEveryVertex) {
    // A cube of side 1 about the origin, two triangles a face; then one corner pulled in, so that the nearest
    // points lie on edges and inside faces, off the face centres.
    std::vector<float> positions;
    for (int corner = 0; corner < 8; ++corner) {
        positions.insert(positions.end(),
                         {corner & 1 ? 0.5f : -0.5f, corner & 2 ? 0.5f : -0.5f, corner & 4 ? 0.5f : -0.5f});
    }
    const std::vector<std::uint32_t> indices{0, 1, 3, 0, 3, 2, 4, 6, 7, 4, 7, 5, 0, 4, 5, 0, 5, 1,
                                             2, 3, 7, 2, 7, 6, 0, 2, 6, 0, 6, 4, 1, 5, 7, 1, 7, 3};
    MeshBounds cube = MeshBounds::of(positions, indices);
    EXPECT_NEAR(cube.innerRadius, 0.5f, 1e-6f);
    EXPECT_NEAR(cube.outerRadius, std::sqrt(0.75f), 1e-6f);
    for (int axis = 0; axis < 3; ++axis) {
        positions[21 + axis] *= 0.3f;
    }
    cube = MeshBounds::of(positions, indices);
    EXPECT_LE(cube.innerRadius, sampledNearest(positions, indices) + 1e-6f);
    EXPECT_GT(cube.innerRadius, sampledNearest(positions, indices) - 0.005f);
    EXPECT_NEAR(cube.outerRadius, std::sqrt(0.75f), 1e-6f);

    // Single triangles nearest to the origin at a corner, on an edge and inside, their corners in every
    // order.
    for (const std::vector<float>& triangle :
         {std::vector<float>{1, 1, 1, 2, 1, 1, 1, 2, 1}, std::vector<float>{-1, 1, 1, 1, 1, 1, 0, 2, 1},
          std::vector<float>{-1, -1, 1, 1, -1, 1, 0, 1, 1}}) {
        std::vector<std::uint32_t> order{0, 1, 2};
        do {
            EXPECT_NEAR(MeshBounds::of(triangle, order).innerRadius, sampledNearest(triangle, order), 1e-5f)
                << triangle[0] << " " << triangle[1] << ", order " << order[0] << order[1] << order[2];
        } while (std::next_permutation(order.begin(), order.end()));
    }
}

} // namespace
} // namespace Velmora
