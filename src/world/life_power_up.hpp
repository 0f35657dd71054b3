#pragma once

#include "world/power_up.hpp"

namespace Velmora::Logicals {

// Gives back one life, up to the full three; used up at once.
class LifePowerUp : public PowerUp {
public:
    static constexpr int maximumLives = 3;

    LifePowerUp();

    void checkCollect(Player& player) override;
    // The life takes effect at once, so there is nothing to advance.
    void updateEffect(Player& player, double deltaTime) override;
};

} // namespace Velmora::Logicals
