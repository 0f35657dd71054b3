#include "world/speed_power_up.hpp"

#include "world/player.hpp"

namespace Velmora::Logicals {

SpeedPowerUp::SpeedPowerUp() : PowerUp("Textures/SpeedPowerUpTexture.png") {
    spawnRate = 0.05f;
}

void SpeedPowerUp::checkCollect(Player& player) {
    if (pickUpBy(player)) {
        startEffect(effectTime);
        player.speed = player.speed * speedFactor;
    }
}

// Dividing by the same factor gives the old speed back up to float rounding.
void SpeedPowerUp::updateEffect(Player& player, double deltaTime) {
    if (collected && effectEnds(effectTime, effectDuration, deltaTime)) {
        player.speed = player.speed / speedFactor;
    }
}

std::function<void()> SpeedPowerUp::keepState() {
    return [this, item = PowerUp::keepState(), keptFactor = speedFactor, keptTime = effectTime,
            keptDuration = effectDuration] {
        item();
        speedFactor = keptFactor;
        effectTime = keptTime;
        effectDuration = keptDuration;
    };
}

} // namespace Velmora::Logicals
