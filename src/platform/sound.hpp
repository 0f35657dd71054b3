#pragma once

#include <string>

namespace Velmora {

// Opens the audio device once at start; without one the game says so in one line on standard error and runs
// silently.
void openSoundOutput();

// Plays a WAV file without waiting for it; a new sound cuts off the one still playing. A missing or
// unreadable file, or a machine without an audio device, plays nothing and changes nothing else. Before
// openSoundOutput, and after closeSoundOutput, nothing is played.
void playSound(const std::string& path);

void closeSoundOutput();

} // namespace Velmora
