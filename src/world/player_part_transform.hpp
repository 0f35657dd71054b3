#pragma once

#include <glm/glm.hpp>

namespace Velmora {

// The placement of one body part without any GL: its model matrix and, beside it, the reference matrix whose
// translation is the heading point the turn reads. Angles in degrees.
class PlayerPartTransform {
public:
    // Every part starts on the planet this far from its centre, turned this many degrees from +z towards +y.
    static constexpr float startHeight = 1.05f;
    static constexpr float startAngle = 20.0f;

    // Moves and rotates both matrices alike, about the planet's centre.
    void translateInWorld(glm::vec3 direction, double factor);
    void rotateInWorld(glm::vec3 axis, float angle, double factor);
    // Turns the part about its own model origin; the reference point turns with it about the same origin.
    void rotateInModel(glm::vec3 axis, float angle, double factor);
    // A limb swing: only the model matrix turns, the heading stays where it was.
    void swingInModel(glm::vec3 axis, float angle);
    // Stands the part upright at its start place on the planet.
    void placeAtStart();

    glm::vec3 position() const;
    glm::vec3 referencePoint() const;

    glm::mat4 modelMatrix{1.0f};
    glm::mat4 referenceMatrix{1.0f};
};

} // namespace Velmora
