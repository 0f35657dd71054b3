#include "platform/sound.hpp"

#include "platform/audio_output.hpp"

#include <memory>

namespace Velmora {
namespace {

std::unique_ptr<AudioOutput> output;

} // namespace

void openSoundOutput() {
    output = std::make_unique<AudioOutput>();
}

void playSound(const std::string& path) {
    if (output != nullptr) {
        output->play(path);
    }
}

void closeSoundOutput() {
    output.reset();
}

} // namespace Velmora
