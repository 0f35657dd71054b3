#include "platform/sound.hpp"

#include <filesystem>
#include <windows.h>

namespace Velmora {
namespace {

// Windows' own player needs nothing opened; the flag only keeps the calls between open and close.
bool opened = false;

} // namespace

void openSoundOutput() {
    opened = true;
}

void playSound(const std::string& path) {
    if (!opened) {
        return;
    }
    // The wide form takes every letter of a folder's name; a new sound stops the one still playing. A file
    // that cannot be played plays nothing, which is all the game asks. A name that is no sound alias of the
    // system's is taken as a file.
    const std::wstring widePath = std::filesystem::u8path(path).make_preferred().wstring();
    PlaySoundW(widePath.c_str(), nullptr, SND_ASYNC);
}

void closeSoundOutput() {
    // Stops the sound still playing, as closing the device does elsewhere.
    PlaySoundW(nullptr, nullptr, 0);
    opened = false;
}

} // namespace Velmora
