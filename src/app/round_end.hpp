#pragma once

#include <string>

namespace Velmora {

// How a round ends: lost with the last life, or, with on-screen messages, survived when the whole shower has
// left play. With on-screen messages the round's time on the shower clock is then told, against the player's
// best for this shower, which is kept between runs.

// Reads the best times, with on-screen messages only: without them the game keeps nothing between runs.
void setUpBestTimes();
// After the update step's hits: ends the round once when the last life has just gone or the shower is over.
void checkRoundEnd(bool lastLifeLost);
// The round time's line for the window while the round stays ended; empty without one.
const std::string& roundTimeLine();
void cleanUpBestTimes();

} // namespace Velmora
