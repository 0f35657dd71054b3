#include "world/life_power_up.hpp"

#include "world/player.hpp"

namespace Velmora::Logicals {

LifePowerUp::LifePowerUp() : PowerUp("Textures/LifePowerUpTexture.png") {
    spawnRate = 0.05f;
}

// At full lives the item is used up all the same.
void LifePowerUp::checkCollect(Player& player) {
    if (pickUpBy(player)) {
        if (player.lives < maximumLives) {
            player.lives += 1;
        }
        spawned = false;
    }
}

void LifePowerUp::updateEffect(Player&, double) {}

} // namespace Velmora::Logicals
