#include "math/frustum.hpp"

#include <algorithm>
#include <cmath>

#include <glm/gtc/constants.hpp>

namespace Velmora {

namespace {

// A zero vector stays zero, so a camera looking at its own position yields planes that reject nothing.
glm::vec3 normalizedOrZero(const glm::vec3& v) {
    const float length = glm::length(v);
    return length != 0.0f ? v / length : v;
}

glm::vec3 transformedVertex(const std::vector<float>& positions, std::size_t vertex, const glm::mat4& model) {
    const std::size_t i = vertex * 3;
    return glm::vec3(model * glm::vec4(positions[i], positions[i + 1], positions[i + 2], 1.0f));
}

} // namespace

void Frustum::setProjection(float nearDistance, float farDistance, float fieldOfView, float aspectRatio) {
    this->nearDistance = nearDistance;
    this->farDistance = farDistance;
    this->aspectRatio = aspectRatio;
    this->fieldOfView = fieldOfView;
    tanHalfFov = static_cast<float>(std::tan(fieldOfView * glm::pi<double>() / 180.0 * 0.5));
    nearHeight = nearDistance * tanHalfFov;
    nearWidth = nearHeight * aspectRatio;
    farHeight = farDistance * tanHalfFov;
    farWidth = farHeight * aspectRatio;
}

void Frustum::setView(const glm::vec3& p, const glm::vec3& l, const glm::vec3& u) {
    const glm::vec3 z = normalizedOrZero(p - l);
    const glm::vec3 x = normalizedOrZero(glm::cross(u, z));
    const glm::vec3 y = glm::cross(z, x);

    const glm::vec3 nc = p - z * nearDistance;
    const glm::vec3 fc = p - z * farDistance;

    ntl = nc + y * nearHeight - x * nearWidth;
    ntr = nc + y * nearHeight + x * nearWidth;
    nbl = nc - y * nearHeight - x * nearWidth;
    nbr = nc - y * nearHeight + x * nearWidth;
    ftl = fc + y * farHeight - x * farWidth;
    ftr = fc + y * farHeight + x * farWidth;
    fbl = fc - y * farHeight - x * farWidth;
    fbr = fc - y * farHeight + x * farWidth;

    planes[top].setFromPoints(ntr, ntl, ftl);
    planes[bottom].setFromPoints(nbl, nbr, fbr);
    planes[left].setFromPoints(ntl, nbl, fbl);
    planes[right].setFromPoints(nbr, ntr, fbr);
    planes[nearPlane].setFromPoints(ntl, ntr, nbr);
    planes[farPlane].setFromPoints(ftr, ftl, fbl);
}

bool Frustum::containsSphere(const glm::vec3& centre, float radius) const {
    for (const Plane& plane : planes) {
        if (plane.distance(centre) < -radius) {
            return false;
        }
    }
    return true;
}

bool isSphereOfPointsInFrustum(const Frustum& frustum, const std::vector<float>& positions,
                               const glm::mat4& model) {
    const std::size_t vertexCount = positions.size() / 3;
    // A mesh without vertices has no sphere to reject.
    if (vertexCount == 0) {
        return true;
    }
    // The mean of the moved vertices is the moved mean of the vertices, so the centre takes one transform,
    // not one a vertex.
    glm::vec3 modelCentre(0.0f);
    for (std::size_t v = 0; v < vertexCount; ++v) {
        modelCentre += glm::vec3(positions[3 * v], positions[3 * v + 1], positions[3 * v + 2]);
    }
    const glm::vec3 centre =
        glm::vec3(model * glm::vec4(modelCentre / static_cast<float>(vertexCount), 1.0f));

    float radius = 0.0f;
    for (std::size_t v = 0; v < vertexCount; ++v) {
        radius = std::max(radius, glm::length(transformedVertex(positions, v, model) - centre));
    }
    return frustum.containsSphere(centre, radius);
}

} // namespace Velmora
