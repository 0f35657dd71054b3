#pragma once

#include <AL/al.h>
#include <AL/alc.h>
#include <string>

namespace Velmora {

// The game's one voice: an OpenAL source on the default device that plays one WAV file at a time, the newest
// cutting off the one before. Without a usable device it reports that once and stays silent.
class AudioOutput {
public:
    AudioOutput();
    AudioOutput(const AudioOutput&) = delete;
    AudioOutput& operator=(const AudioOutput&) = delete;
    ~AudioOutput();

    // Returns at once; the sound plays on OpenAL's own mixing thread. A file that cannot be decoded plays
    // nothing and leaves the current sound alone.
    void play(const std::string& path);

private:
    bool open();
    void close();

    ALCdevice* device = nullptr;
    ALCcontext* context = nullptr;
    ALuint source = 0;
    ALuint buffer = 0;
};

} // namespace Velmora
