#include "support/start_placement.hpp"

#include <cmath>

namespace TestSupport {

using Velmora::Camera;
using Velmora::PlayerPartTransform;

glm::vec3 playerStart() {
    const float angle = glm::radians(PlayerPartTransform::startAngle);
    return PlayerPartTransform::startHeight * glm::vec3(0.0f, std::sin(angle), std::cos(angle));
}

PlayerPartTransform partAtStart() {
    PlayerPartTransform part;
    part.placeAtStart();
    return part;
}

glm::vec3 startCameraPosition() {
    return {0.0f, 0.0f, Camera::startDistance};
}

Camera startCamera(int width, int height) {
    Camera camera;
    camera.setGamePerspective(width, height);
    camera.worldTransform[3] = glm::vec4(startCameraPosition(), 1.0f);
    return camera;
}

Camera cameraAimedAt(const glm::vec3& target, int width, int height) {
    Camera camera = startCamera(width, height);
    camera.lookAtTarget(target);
    return camera;
}

} // namespace TestSupport
