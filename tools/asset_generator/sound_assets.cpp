#include "sound_assets.hpp"

#include "asset_folder.hpp"
#include "rng.hpp"
#include "wav_writer.hpp"

#include <algorithm>
#include <cmath>
#include <glm/gtc/constants.hpp>

namespace Velmora {
namespace {

constexpr float twoPi = glm::two_pi<float>();

std::vector<float> silence(float seconds) {
    return std::vector<float>(static_cast<size_t>(seconds * WavWriter::sampleRate), 0.0f);
}

// Short fades at both ends so the sound starts and stops without a click.
void fadeEnds(std::vector<float>& samples, float attackSeconds) {
    const size_t attack = static_cast<size_t>(attackSeconds * WavWriter::sampleRate);
    const size_t release = std::min<size_t>(samples.size(), WavWriter::sampleRate / 100);
    for (size_t i = 0; i < attack && i < samples.size(); ++i) {
        samples[i] *= static_cast<float>(i) / attack;
    }
    for (size_t i = 0; i < release; ++i) {
        samples[samples.size() - 1 - i] *= static_cast<float>(i) / release;
    }
}

// Scales the sound to a common peak level, safely below clipping.
void normalise(std::vector<float>& samples) {
    float peak = 0.0f;
    for (float sample : samples) {
        peak = std::max(peak, std::abs(sample));
    }
    for (float& sample : samples) {
        sample *= 0.8f / peak;
    }
}

void addTone(std::vector<float>& samples, float start, float frequency, float amplitude, float decay) {
    const size_t first = static_cast<size_t>(start * WavWriter::sampleRate);
    for (size_t i = first; i < samples.size(); ++i) {
        const float t = static_cast<float>(i - first) / WavWriter::sampleRate;
        const float attack = std::min(1.0f, t / 0.004f);
        samples[i] += amplitude * attack * std::exp(-t * decay) * std::sin(twoPi * frequency * t);
    }
}

} // namespace

void SoundAssets::write(const AssetFolder& folder) {
    folder.writeSound("Crash", crash());
    folder.writeSound("Metal", metal());
    folder.writeSound("ItemCollect", itemCollect());
}

std::vector<float> SoundAssets::crash() {
    std::vector<float> samples = silence(0.6f);
    Rng rng(201);
    float rumble = 0.0f;
    float phase = 0.0f;
    for (size_t i = 0; i < samples.size(); ++i) {
        const float t = static_cast<float>(i) / WavWriter::sampleRate;
        // A one-pole low-pass turns white noise into a dull rumble; the boom underneath sweeps downwards.
        rumble += 0.06f * (rng.range(-1.0f, 1.0f) - rumble);
        phase += twoPi * (40.0f + 60.0f * std::exp(-t * 8.0f)) / WavWriter::sampleRate;
        const float crack = rng.range(-1.0f, 1.0f) * std::exp(-t * 40.0f);
        samples[i] = (2.8f * rumble + 0.6f * std::sin(phase)) * std::exp(-t * 6.0f) + 0.35f * crack;
    }
    fadeEnds(samples, 0.003f);
    normalise(samples);
    return samples;
}

std::vector<float> SoundAssets::metal() {
    std::vector<float> samples = silence(0.5f);
    // Partials of a struck free bar: inharmonic ratios, the higher ones dying sooner.
    const float base = 520.0f;
    const float ratios[] = {1.0f, 2.756f, 5.404f, 8.933f, 13.34f};
    for (int k = 0; k < 5; ++k) {
        addTone(samples, 0.0f, base * ratios[k], 0.32f / (1.0f + 0.4f * k), 6.0f + 5.0f * k);
    }
    addTone(samples, 0.0f, base * 1.5f * 1.007f, 0.12f, 9.0f);
    Rng rng(202);
    for (size_t i = 0; i < samples.size() / 50; ++i) {
        samples[i] += 0.3f * rng.range(-1.0f, 1.0f) * (1.0f - 50.0f * i / samples.size());
    }
    fadeEnds(samples, 0.001f);
    normalise(samples);
    return samples;
}

std::vector<float> SoundAssets::itemCollect() {
    std::vector<float> samples = silence(0.3f);
    // Two bright notes a fifth apart (E6 then B6), each with a soft octave above it.
    for (auto [start, frequency] : {std::pair{0.0f, 1318.5f}, std::pair{0.09f, 1975.5f}}) {
        addTone(samples, start, frequency, 0.35f, 12.0f);
        addTone(samples, start, frequency * 2.0f, 0.1f, 20.0f);
    }
    fadeEnds(samples, 0.002f);
    normalise(samples);
    return samples;
}

} // namespace Velmora
