#pragma once

#include "math/frustum.hpp"

#include <array>
#include <functional>
#include <glm/glm.hpp>
#include <vector>

namespace TestSupport {

// The values of the whole game's shared state as its set-up leaves them, read once the game is set up, so
// that every test of the whole game can start from there again whatever the tests before it changed. The GL
// objects stay the game's own; only what the tests can change in them is kept.
class GameSnapshot {
public:
    static constexpr size_t flagCount = 18;

    GameSnapshot();
    // Puts every value back; the flags of the sampling keys go back through their keys, which also set the
    // textures' filters.
    void restore() const;

private:
    bool atStart(const bool& flag) const;
    void restoreSampling() const;
    void restoreWindowAndCamera() const;

    std::array<bool, flagCount> flags{};
    double frameTime = 0.0;
    glm::ivec2 windowSize{0};
    glm::mat4 cameraTransform{1.0f};
    Velmora::Frustum frustum;
    glm::vec3 sun{0.0f};
    // What puts back each world object's own values, in the order of the world's registration.
    std::vector<std::function<void()>> worldObjectStates;
};

} // namespace TestSupport
