#pragma once

#include "math/frustum.hpp"

#include <memory>

#include <glm/glm.hpp>

namespace Velmora {

// Has no position or orientation of its own: every operation rewrites the world transform directly.
class Camera {
public:
    Camera();

    // The game projects with one fixed near plane, far plane and field of view; only the aspect follows the
    // window.
    static constexpr float nearPlane = 0.01f;
    static constexpr float farPlane = 20.0f;
    static constexpr float fieldOfView = 60.0f;
    // The game's camera starts on the +z axis this far from the planet's centre, then turns to the player.
    static constexpr float startDistance = 2.5f;

    void setPerspective(float nearPlane, float farPlane, float fieldOfView, float width, float height);
    void setGamePerspective(int windowWidth, int windowHeight);
    void rotateCamera(float angle, double factor, glm::vec3 axis);
    void zoomCamera(glm::vec3 target, float amount);
    void tiltCamera(glm::vec3 target, float offset, float factor);
    void lookAtTarget(glm::vec3 target);

    glm::vec3 position() const;
    // All four components, as the shaders receive it.
    glm::vec4 positionColumn() const;
    glm::mat4 viewProjection() const;

    glm::mat4 projection{1.0f};
    glm::mat4 worldTransform{1.0f};
    std::unique_ptr<Frustum> frustum;
};

} // namespace Velmora
