#pragma once

#include "world/power_up.hpp"

namespace Velmora::Logicals {

// Lets asteroid hits cost no life for a while; the character looks metallic meanwhile.
class ShieldPowerUp : public PowerUp {
public:
    ShieldPowerUp();

    void checkCollect(Player& player) override;
    void updateEffect(Player& player, double deltaTime) override;
    std::function<void()> keepState() override;

    double effectTime = 0.0;
    double effectDuration = 5.0;
};

} // namespace Velmora::Logicals
