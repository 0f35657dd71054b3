#include "platform/audio_output.hpp"

#include "platform/data_file.hpp"

#include <cstdio>
#include <fcntl.h>
#include <sndfile.h>
#include <unistd.h>
#include <vector>

namespace Velmora {
namespace {

struct DecodedSound {
    std::vector<short> samples;
    ALenum format = AL_FORMAT_MONO16;
    ALsizei sampleRate = 0;
};

bool decodeWav(const std::string& path, DecodedSound& sound) {
    if (!isDataFile(path)) {
        return false;
    }
    SF_INFO info{};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    if (file == nullptr) {
        return false;
    }
    const bool playable = (info.channels == 1 || info.channels == 2) && info.frames > 0;
    if (playable) {
        sound.format = info.channels == 1 ? AL_FORMAT_MONO16 : AL_FORMAT_STEREO16;
        sound.sampleRate = info.samplerate;
        sound.samples.resize(static_cast<size_t>(info.frames) * static_cast<size_t>(info.channels));
        const sf_count_t frames = sf_readf_short(file, sound.samples.data(), info.frames);
        sound.samples.resize(static_cast<size_t>(frames) * static_cast<size_t>(info.channels));
    }
    sf_close(file);
    return playable && !sound.samples.empty();
}

// The audio libraries explain a missing device in many lines of their own; the game's one line says it all.
class QuietErrorStream {
public:
    QuietErrorStream() : saved(dup(STDERR_FILENO)) {
        const int nowhere = ::open("/dev/null", O_WRONLY);
        if (nowhere >= 0) {
            dup2(nowhere, STDERR_FILENO);
            ::close(nowhere);
        }
    }
    QuietErrorStream(const QuietErrorStream&) = delete;
    QuietErrorStream& operator=(const QuietErrorStream&) = delete;
    ~QuietErrorStream() {
        if (saved >= 0) {
            dup2(saved, STDERR_FILENO);
            ::close(saved);
        }
    }

private:
    int saved;
};

} // namespace

AudioOutput::AudioOutput() {
    bool opened = false;
    {
        QuietErrorStream quiet;
        opened = open();
    }
    if (!opened) {
        close();
        std::fputs("No audio device could be opened: the game runs without sound.\n", stderr);
    }
}

AudioOutput::~AudioOutput() {
    close();
}

bool AudioOutput::open() {
    device = alcOpenDevice(nullptr);
    if (device == nullptr) {
        return false;
    }
    context = alcCreateContext(device, nullptr);
    if (context == nullptr || alcMakeContextCurrent(context) == ALC_FALSE) {
        return false;
    }
    alGetError();
    alGenSources(1, &source);
    alGenBuffers(1, &buffer);
    return alGetError() == AL_NO_ERROR;
}

void AudioOutput::close() {
    if (context != nullptr) {
        alSourceStop(source);
        alSourcei(source, AL_BUFFER, 0);
        alDeleteSources(1, &source);
        alDeleteBuffers(1, &buffer);
        alcMakeContextCurrent(nullptr);
        alcDestroyContext(context);
    }
    if (device != nullptr) {
        alcCloseDevice(device);
    }
    source = 0;
    buffer = 0;
    context = nullptr;
    device = nullptr;
}

void AudioOutput::play(const std::string& path) {
    DecodedSound sound;
    if (context == nullptr || !decodeWav(path, sound)) {
        return;
    }
    // A buffer that a source still holds cannot be refilled, so the sound playing now stops first: that is
    // the cut-off the game wants anyway.
    alSourceStop(source);
    alSourcei(source, AL_BUFFER, 0);
    alBufferData(buffer, sound.format, sound.samples.data(),
                 static_cast<ALsizei>(sound.samples.size() * sizeof(short)), sound.sampleRate);
    alSourcei(source, AL_BUFFER, static_cast<ALint>(buffer));
    alSourcePlay(source);
}

} // namespace Velmora
