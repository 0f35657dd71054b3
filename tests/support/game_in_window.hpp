#pragma once

#include "support/game_snapshot.hpp"

#include <memory>

namespace TestSupport {

// The whole game set up once in the tests' hidden window, with the same rolls of the dice every time, and put
// back to the state its set-up left before each test; the fixtures of the whole-game tests share it.
class GameInWindow {
public:
    static constexpr unsigned int randomSeed = 7;

    static void setUp();
    static void tearDown();
    // Every value back as the set-up left it, and the dice rolled from the start again.
    static void restore();

private:
    static std::unique_ptr<GameSnapshot> atStart;
};

} // namespace TestSupport
