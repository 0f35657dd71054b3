#pragma once

#include "world/power_up.hpp"

namespace Velmora::Logicals {

// Makes the player walk faster for a while.
class SpeedPowerUp : public PowerUp {
public:
    SpeedPowerUp();

    void checkCollect(Player& player) override;
    void updateEffect(Player& player, double deltaTime) override;
    std::function<void()> keepState() override;

    float speedFactor = 1.4f;
    double effectTime = 0.0;
    double effectDuration = 5.0;
};

} // namespace Velmora::Logicals
