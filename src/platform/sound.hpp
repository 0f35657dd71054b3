#pragma once

#include <string>

namespace Velmora {

// Plays a WAV file without waiting for it; a new sound cuts off the one still playing. A missing or unreadable
// file, or a machine without an audio device, plays nothing and changes nothing else.
void playSound(const std::string& path);

} // namespace Velmora
