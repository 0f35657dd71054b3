#include "math/camera.hpp"

#include "support/start_placement.hpp"
#include "support/vector_expectations.hpp"

#include <cmath>

#include <glm/gtc/matrix_transform.hpp>
#include <gtest/gtest.h>

namespace Velmora {
namespace {

using TestSupport::expectVecNear;

const glm::vec3 target(0, 0, 1.05f);

Camera cameraAt(const glm::vec3& position) {
    Camera camera;
    camera.setPerspective(0.01f, 20.0f, 60.0f, 800.0f, 600.0f);
    camera.worldTransform[3] = glm::vec4(position, 1.0f);
    return camera;
}

// A camera at the given distance from the target, tilted by theta degrees from the target's up (+z), towards
// +y.
Camera cameraTiltedBy(float theta, float distance = 1.0f) {
    const float radians = glm::radians(theta);
    return cameraAt(target + distance * glm::vec3(0, std::sin(radians), std::cos(radians)));
}

float tiltOf(const Camera& camera) {
    const glm::vec3 toCamera = glm::normalize(camera.position() - target);
    return glm::degrees(std::acos(glm::dot(toCamera, glm::normalize(target))));
}

TEST(CameraTest, PerspectiveIsInDegreesAndResizeKeepsPlacement) {
    Camera camera = cameraTiltedBy(30.0f);
    const glm::mat4 placement = camera.worldTransform;
    const float tan30 = 0.57735027f;
    const glm::mat4& p = camera.projection;
    EXPECT_NEAR(p[0][0], 1.0f / (4.0f / 3.0f * tan30), 1e-5f);
    EXPECT_NEAR(p[1][1], 1.0f / tan30, 1e-5f);
    EXPECT_NEAR(p[2][2], -20.01f / 19.99f, 1e-6f);
    EXPECT_EQ(p[2][3], -1.0f);
    EXPECT_NEAR(p[3][2], -0.4f / 19.99f, 1e-7f);
    EXPECT_EQ(p[0][1] + p[0][2] + p[0][3] + p[1][0] + p[1][2] + p[1][3] + p[2][0] + p[2][1] + p[3][0] +
                  p[3][1] + p[3][3],
              0.0f);

    camera.setPerspective(0.01f, 20.0f, 60.0f, 1800.0f, 1000.0f);
    EXPECT_NEAR(camera.projection[0][0], 1.0f / (1.8f * tan30), 1e-5f);
    EXPECT_FLOAT_EQ(camera.frustum->aspectRatio, 1.8f);
    EXPECT_EQ(camera.worldTransform, placement);
}

TEST(CameraTest, ZoomStepsAreAllOrNothingWithinLimitsToTarget) {
    Camera tooNear = cameraAt(target + glm::vec3(0, 0, 0.52f));
    tooNear.zoomCamera(target, 0.05f);
    expectVecNear(tooNear.position(), target + glm::vec3(0, 0, 0.52f), 0.0f);

    Camera tooFar = cameraAt(target + glm::vec3(0, 0, 1.95f));
    tooFar.zoomCamera(target, -0.05f);
    expectVecNear(tooFar.position(), target + glm::vec3(0, 0, 1.95f), 0.0f);

    // Off the target's up line, so a step along any other line would show.
    const glm::vec3 start(0.3f, 0.4f, 2.5f);
    Camera zoomingIn = cameraAt(start);
    zoomingIn.zoomCamera(target, 0.05f);
    expectVecNear(zoomingIn.position(), start + 0.05f * (target - start), 1e-6f);

    Camera zoomingOut = cameraAt(start);
    zoomingOut.zoomCamera(target, -0.05f);
    expectVecNear(zoomingOut.position(), start - 0.05f * (target - start), 1e-6f);
}

TEST(CameraTest, TiltStaysBetweenFiveAndNinetyDegrees) {
    Camera inside = cameraTiltedBy(45.0f);
    inside.tiltCamera(target, 40.0f, 0.25f);
    EXPECT_NEAR(tiltOf(inside), 35.0f, 1e-3f);
    EXPECT_NEAR(glm::distance(inside.position(), target), 1.0f, 1e-5f);

    Camera up = cameraTiltedBy(45.0f);
    up.tiltCamera(target, 400.0f, 0.25f);
    EXPECT_NEAR(tiltOf(up), 5.0f, 1e-3f);

    Camera down = cameraTiltedBy(45.0f);
    down.tiltCamera(target, -400.0f, 0.25f);
    EXPECT_NEAR(tiltOf(down), 90.0f, 1e-3f);

    Camera beyondTop = cameraTiltedBy(2.0f);
    beyondTop.tiltCamera(target, 0.0f, 0.25f);
    EXPECT_NEAR(tiltOf(beyondTop), 5.0f, 1e-3f);

    Camera beyondHorizon = cameraTiltedBy(100.0f);
    beyondHorizon.tiltCamera(target, 0.0f, 0.25f);
    EXPECT_NEAR(tiltOf(beyondHorizon), 90.0f, 1e-3f);
}

TEST(CameraTest, StraightAboveTargetUsesFixedAxes) {
    Camera tilted = cameraAt(glm::vec3(0, 0, 2.5f));
    tilted.tiltCamera(target, 0.0f, 0.25f);
    // The x axis turns the camera by -5 degrees, towards +y.
    expectVecNear(tilted.position(),
                  target + 1.45f * glm::vec3(0, std::sin(glm::radians(5.0f)), std::cos(glm::radians(5.0f))),
                  1e-5f);

    Camera aimed = cameraAt(glm::vec3(0, 0, 2.5f));
    aimed.lookAtTarget(target);
    expectVecNear(aimed.worldTransform[0], glm::vec3(1, 0, 0), 1e-6f);
    expectVecNear(aimed.worldTransform[1], glm::vec3(0, 1, 0), 1e-6f);
    expectVecNear(aimed.position(), glm::vec3(0, 0, 2.5f), 1e-6f);
}

TEST(CameraTest, LookAtAimsAtTargetWithUpTowardsIt) {
    const glm::vec3 player = TestSupport::playerStart();
    Camera camera = cameraAt(TestSupport::startCameraPosition());
    camera.lookAtTarget(player);

    expectVecNear(camera.position(), TestSupport::startCameraPosition(), 1e-6f);
    expectVecNear(camera.worldTransform[2], glm::normalize(camera.position() - player), 1e-6f);
    // Up leans towards the target, so the camera's right is +x rather than -x.
    expectVecNear(camera.worldTransform[0], glm::vec3(1, 0, 0), 1e-6f);
    EXPECT_EQ(camera.positionColumn(), glm::vec4(camera.position(), 1.0f));

    const glm::vec4 clip = camera.viewProjection() * glm::vec4(player, 1.0f);
    EXPECT_NEAR(clip.x / clip.w, 0.0f, 1e-5f);
    EXPECT_NEAR(clip.y / clip.w, 0.0f, 1e-5f);
    EXPECT_TRUE(camera.frustum->containsSphere(player, 0.0f));
    EXPECT_FALSE(camera.frustum->containsSphere(glm::vec3(0, 0, 3.0f), 0.1f));
}

} // namespace
} // namespace Velmora
