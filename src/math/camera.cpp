#include "math/camera.hpp"

#include "math/world_transforms.hpp"

#include <algorithm>
#include <cmath>

#include <glm/gtc/constants.hpp>
#include <glm/gtc/matrix_transform.hpp>

namespace Velmora {

namespace {

constexpr float nearestZoomDistance = 0.5f;
constexpr float farthestZoomDistance = 2.0f;
constexpr float lowestTiltAngle = 5.0f;
constexpr float highestTiltAngle = 90.0f;
constexpr float sameDirectionTolerance = 1e-7f;

float lengthOf(const glm::vec3& v) {
    return static_cast<float>(std::sqrt(static_cast<double>(glm::dot(v, v))));
}

bool isSameDirection(const glm::vec3& a, const glm::vec3& b) {
    const glm::vec3 difference = glm::abs(a - b);
    return difference.x < sameDirectionTolerance && difference.y < sameDirectionTolerance &&
           difference.z < sameDirectionTolerance;
}

// Angle in degrees between the target's up direction and the line from the target back to the camera.
float angleFromTargetUp(const glm::vec3& target, const glm::vec3& toCamera) {
    // Rounding can push the cosine of a vertical camera just past 1, where acos has no answer.
    const float cosine =
        std::clamp(glm::dot(target, toCamera) / (lengthOf(toCamera) * lengthOf(target)), -1.0f, 1.0f);
    const float theta = std::acos(cosine);
    return static_cast<float>(theta * 180 / glm::pi<double>());
}

} // namespace

Camera::Camera() : frustum(std::make_unique<Frustum>()) {}

void Camera::setPerspective(float nearPlane, float farPlane, float fieldOfView, float width, float height) {
    const float aspect = width / height;
    projection = glm::perspective(glm::radians(fieldOfView), aspect, nearPlane, farPlane);
    frustum->setProjection(nearPlane, farPlane, fieldOfView, aspect);
}

void Camera::setGamePerspective(int windowWidth, int windowHeight) {
    setPerspective(nearPlane, farPlane, fieldOfView, static_cast<float>(windowWidth),
                   static_cast<float>(windowHeight));
}

void Camera::rotateCamera(float angle, double factor, glm::vec3 axis) {
    rotateInWorld(worldTransform, axis, angle, factor);
}

void Camera::zoomCamera(glm::vec3 target, float amount) {
    const glm::vec3 toTarget = target - position();
    const glm::vec3 step = toTarget * amount;
    const float distance = lengthOf(toTarget);
    const float stepLength = lengthOf(step);
    // A step that would cross a limit is dropped whole, never shortened.
    if (amount >= 0.0f && distance - stepLength <= nearestZoomDistance) {
        return;
    }
    if (amount <= 0.0f && stepLength + distance >= farthestZoomDistance) {
        return;
    }
    translateInWorld(worldTransform, step, 1.0);
}

void Camera::tiltCamera(glm::vec3 target, float offset, float factor) {
    float angle = offset * factor;
    const glm::vec3 camera = position();
    const glm::vec3 toCamera = camera - target;
    const float theta = angleFromTargetUp(target, toCamera);
    if (theta - angle <= lowestTiltAngle) {
        angle = theta - lowestTiltAngle;
    }
    if (theta - angle >= highestTiltAngle) {
        angle = theta - highestTiltAngle;
    }

    const glm::vec3 a = glm::normalize(toCamera);
    const glm::vec3 b = glm::normalize(camera);
    // Straight above the target the cross product vanishes, so any horizontal axis will do.
    const glm::vec3 axis =
        isSameDirection(a, b) ? glm::vec3(1.0f, 0.0f, 0.0f) : glm::normalize(glm::cross(a, b));

    translateInWorld(worldTransform, -target, 1.0);
    rotateCamera(angle, 1.0, axis);
    translateInWorld(worldTransform, target, 1.0);
}

void Camera::lookAtTarget(glm::vec3 target) {
    const glm::vec3 eye = position();
    const glm::vec3 forward = glm::normalize(eye - target);
    const glm::vec3 outward = glm::normalize(eye);
    // Up leans towards the target's side; straight above the target that side is undefined.
    const glm::vec3 up = isSameDirection(forward, outward)
                             ? glm::vec3(0.0f, 1.0f, 0.0f)
                             : glm::normalize(glm::cross(glm::cross(forward, outward), outward));
    worldTransform = glm::inverse(glm::lookAt(eye, target, up));
    frustum->setView(eye, target, up);
}

glm::vec3 Camera::position() const {
    return translationOf(worldTransform);
}

glm::vec4 Camera::positionColumn() const {
    return worldTransform[3];
}

glm::mat4 Camera::viewProjection() const {
    return projection * glm::inverse(worldTransform);
}

} // namespace Velmora
