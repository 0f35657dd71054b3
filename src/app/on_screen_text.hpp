#pragma once

namespace Velmora {

// The text over the finished picture: with onScreenMessages, the lines of play in a panel under the hearts
// for a few seconds each, starting with how to begin; in any mode, the card of the controls that F1 shows.
void setUpOnScreenText();
// Lays out the panel and the card for this frame and draws them, after the hearts.
void showOnScreenText();
void toggleControlsCard();
void cleanUpOnScreenText();

} // namespace Velmora
