#pragma once

#include "math/camera.hpp"
#include "world/player_part_transform.hpp"

#include <glm/glm.hpp>

namespace TestSupport {

// Where the game stands the character at the start, worked out from the game's start height and angle rather
// than by placing a part.
glm::vec3 playerStart();
// A body part as the game places it at the start.
Velmora::PlayerPartTransform partAtStart();
// Where the game's camera starts, before it turns to the player.
glm::vec3 startCameraPosition();
// The game's camera at its start, projecting a picture of the given size as the game projects its window.
Velmora::Camera startCamera(int width, int height);
// The start camera turned to the target, as the game turns it to the player.
Velmora::Camera cameraAimedAt(const glm::vec3& target, int width, int height);

} // namespace TestSupport
