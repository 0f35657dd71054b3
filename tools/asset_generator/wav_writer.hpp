#pragma once

#include <string>
#include <vector>

namespace Velmora {

// Writes 16-bit PCM mono WAV files at 44.1 kHz.
class WavWriter {
public:
    static constexpr int sampleRate = 44100;

    // Samples are in [-1, 1]; louder values are clipped. Throws std::runtime_error on a write failure.
    static void write(const std::string& path, const std::vector<float>& samples);
};

} // namespace Velmora
