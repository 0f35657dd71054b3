#pragma once

#include "math/frustum.hpp"
#include "world/player_part_transform.hpp"

#include <array>
#include <glm/glm.hpp>

namespace TestSupport {

// The values of the whole game's shared state as its set-up leaves them, read once the game is set up, so
// that every test of the whole game can start from there again whatever the tests before it changed. The GL
// objects stay the game's own; only what the tests can change in them is kept.
class GameSnapshot {
public:
    static constexpr size_t flagCount = 17;

    GameSnapshot();
    // Puts every value back; the flags of the sampling keys go back through their keys, which also set the
    // textures' filters.
    void restore() const;

private:
    struct Item {
        glm::mat4 modelMatrix{1.0f};
        bool spawned = false;
        bool collected = false;
        float spawnRate = 0.0f;
        double bobOffset = 0.0;
        int bobDirection = 1;
    };
    struct TimedEffect {
        double time = 0.0;
        double duration = 0.0;
    };

    bool atStart(const bool& flag) const;
    void restoreSampling() const;
    void restoreWindowAndCamera() const;
    void restorePlayer() const;
    void restoreItems() const;

    std::array<bool, flagCount> flags{};
    double frameTime = 0.0;
    glm::ivec2 windowSize{0};
    glm::mat4 cameraTransform{1.0f};
    Velmora::Frustum frustum;
    glm::vec3 sun{0.0f};
    std::array<Velmora::PlayerPartTransform, 8> playerParts{};
    double swingAngle = 0.0;
    int swingDirection = 1;
    int lives = 0;
    float speed = 0.0f;
    bool shieldActive = false;
    std::array<Item, 3> items{};
    float speedFactor = 0.0f;
    TimedEffect speedEffect;
    TimedEffect shieldEffect;
    double showerTime = 0.0;
};

} // namespace TestSupport
