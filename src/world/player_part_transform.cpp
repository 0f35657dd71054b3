#include "world/player_part_transform.hpp"

#include "math/world_transforms.hpp"

#include <glm/gtc/matrix_transform.hpp>

namespace Velmora {

void PlayerPartTransform::translateInWorld(glm::vec3 direction, double factor) {
    Velmora::translateInWorld(modelMatrix, direction, factor);
    Velmora::translateInWorld(referenceMatrix, direction, factor);
}

void PlayerPartTransform::rotateInWorld(glm::vec3 axis, float angle, double factor) {
    Velmora::rotateInWorld(modelMatrix, axis, angle, factor);
    Velmora::rotateInWorld(referenceMatrix, axis, angle, factor);
}

void PlayerPartTransform::rotateInModel(glm::vec3 axis, float angle, double factor) {
    const glm::mat4 rotation =
        glm::rotate(glm::mat4(1.0f), glm::radians(static_cast<float>(factor) * angle), axis);
    const glm::mat4 toReference = glm::translate(glm::mat4(1.0f), glm::vec3(0.0f, 0.0f, -1.0f));
    const glm::mat4 fromReference = glm::translate(glm::mat4(1.0f), glm::vec3(0.0f, 0.0f, 1.0f));
    modelMatrix = modelMatrix * rotation;
    referenceMatrix = referenceMatrix * toReference * rotation * fromReference;
}

void PlayerPartTransform::swingInModel(glm::vec3 axis, float angle) {
    modelMatrix = modelMatrix * glm::rotate(glm::mat4(1.0f), glm::radians(angle), axis);
}

void PlayerPartTransform::placeAtStart() {
    translateInWorld(glm::vec3(0.0f, 0.0f, startHeight), 1.0);
    rotateInWorld(glm::vec3(1.0f, 0.0f, 0.0f), -startAngle, 1.0);
    rotateInModel(glm::vec3(1.0f, 0.0f, 0.0f), 90.0f, 1.0);
    rotateInModel(glm::vec3(0.0f, 1.0f, 0.0f), 180.0f, 1.0);
}

glm::vec3 PlayerPartTransform::position() const {
    return translationOf(modelMatrix);
}

glm::vec3 PlayerPartTransform::referencePoint() const {
    return translationOf(referenceMatrix);
}

} // namespace Velmora
