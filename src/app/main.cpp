#include "app/game_loop.hpp"

int main() {
    return Velmora::runGame();
}
