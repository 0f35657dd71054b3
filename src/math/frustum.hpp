#pragma once

#include "math/plane.hpp"

#include <array>
#include <vector>

#include <glm/glm.hpp>

namespace Velmora {

// The camera's view volume in world space; every plane normal points inwards.
class Frustum {
public:
    enum PlaneIndex { top, bottom, left, right, nearPlane, farPlane };

    void setProjection(float nearDistance, float farDistance, float fieldOfView, float aspectRatio);
    void setView(const glm::vec3& p, const glm::vec3& l, const glm::vec3& u);
    // False only when the sphere lies wholly on the outer side of one plane.
    bool containsSphere(const glm::vec3& centre, float radius) const;

    std::array<Plane, 6> planes{};
    glm::vec3 ntl{0}, ntr{0}, nbl{0}, nbr{0};
    glm::vec3 ftl{0}, ftr{0}, fbl{0}, fbr{0};
    float nearDistance = 0;
    float farDistance = 0;
    float aspectRatio = 0;
    float fieldOfView = 0;
    float tanHalfFov = 0;
    float nearWidth = 0;
    float nearHeight = 0;
    float farWidth = 0;
    float farHeight = 0;
};

// Bounding-sphere test of a mesh: positions holds x, y, z per vertex in model space.
bool isSphereOfPointsInFrustum(const Frustum& frustum, const std::vector<float>& positions,
                               const glm::mat4& model);

} // namespace Velmora
