#pragma once

#include <glm/glm.hpp>

namespace Velmora {

// The placement of one body part without any GL: its model matrix and, beside it, the reference matrix whose
// translation is the heading point the turn reads. Angles in degrees.
class PlayerPartTransform {
public:
    // Moves and rotates both matrices alike, about the planet's centre.
    void translateInWorld(glm::vec3 direction, double factor);
    void rotateInWorld(glm::vec3 axis, float angle, double factor);
    // Turns the part about its own model origin; the reference point turns with it about the same origin.
    void rotateInModel(glm::vec3 axis, float angle, double factor);
    // A limb swing: only the model matrix turns, the heading stays where it was.
    void swingInModel(glm::vec3 axis, float angle);
    // Stands the part on the planet at 1.05 from the centre, 20 degrees from +z towards +y.
    void placeAtStart();

    glm::vec3 position() const;
    glm::vec3 referencePoint() const;

    glm::mat4 modelMatrix{1.0f};
    glm::mat4 referenceMatrix{1.0f};
};

} // namespace Velmora
