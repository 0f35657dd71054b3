#pragma once

namespace Velmora {

// Plays the real game for a number of frames with a dense shower and the power-ups coming and going,
// switching the views now and then, and prints one line: how much the resident memory grew after the first
// frames, and how many GL errors came up. A growth that keeps climbing over thousands of frames is a leak.
void runSoak(int frames);

} // namespace Velmora
