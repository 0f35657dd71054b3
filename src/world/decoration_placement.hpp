#pragma once

#include <glm/glm.hpp>
#include <vector>

namespace Velmora {

// Finds free spots on the planet for the houses and lanterns, one item after another, by random turns of each
// item's model matrix. Houses must all be placed before the first lantern, since lanterns keep clear of every
// house.
class DecorationPlacement {
public:
    static constexpr float houseHeight = 1.05f;
    static constexpr float lanternHeight = 1.0f;
    static constexpr float lightLift = 1.25f;
    static constexpr float playerClearance = 0.5f;
    static constexpr float houseSpacing = 0.8f;
    static constexpr float lanternToHouseSpacing = 0.6f;
    static constexpr float lanternSpacing = 0.5f;

    explicit DecorationPlacement(const glm::vec3& playerPosition);

    // The matrix must be the identity; it ends up standing on a free spot. Never gives up.
    void placeHouse(glm::mat4& modelMatrix);
    // As placeHouse; the light is kept above the lantern on the same radius at every try.
    void placeLantern(glm::mat4& modelMatrix, glm::vec3& lightPosition);

    // Draws the two fractions a then b and turns the matrix to a uniformly random direction about the origin.
    static void turnRandomly(glm::mat4& modelMatrix);
    // One of the game's random fractions, rand() / 32767, from 0 to 1 inclusive.
    static float randomFraction();
    static bool isNearAny(const glm::vec3& position, const std::vector<glm::vec3>& others, float distance);

private:
    glm::vec3 playerPosition;
    std::vector<glm::vec3> housePositions;
    std::vector<glm::vec3> lanternPositions;
};

} // namespace Velmora
