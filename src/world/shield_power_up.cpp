#include "world/shield_power_up.hpp"

#include "world/player.hpp"

namespace Velmora::Logicals {

ShieldPowerUp::ShieldPowerUp() : PowerUp("Textures/ShieldPowerUpTexture.png") {
    spawnRate = 0.05f;
}

void ShieldPowerUp::checkCollect(Player& player) {
    if (pickUpBy(player)) {
        startEffect(effectTime);
        player.shieldActive = true;
    }
}

void ShieldPowerUp::updateEffect(Player& player, double deltaTime) {
    if (collected && effectEnds(effectTime, effectDuration, deltaTime)) {
        player.shieldActive = false;
    }
}

std::function<void()> ShieldPowerUp::keepState() {
    return [this, item = PowerUp::keepState(), keptTime = effectTime, keptDuration = effectDuration] {
        item();
        effectTime = keptTime;
        effectDuration = keptDuration;
    };
}

} // namespace Velmora::Logicals
