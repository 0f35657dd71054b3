// The sound layer heard through OpenAL Soft's wave-writer backend: every device the game opens records to a
// mono 16-bit file instead of playing, so the tests read back what a person would have heard.
#include "platform/sound.hpp"
#include "support/test_folder.hpp"
#include "world/asteroid_shower.hpp"

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <sndfile.h>
#include <thread>
#include <vector>

namespace Velmora {
namespace {

constexpr int sampleRate = 44100;
constexpr double crashTone = 300.0;
constexpr double crashSeconds = 0.3;
constexpr double metalTone = 1500.0;
constexpr double metalSeconds = 0.15;

void writeTone(const std::string& path, double frequency, double seconds) {
    std::vector<short> samples(static_cast<size_t>(seconds * sampleRate));
    for (size_t i = 0; i < samples.size(); ++i) {
        samples[i] = static_cast<short>(16000.0 * std::sin(2.0 * M_PI * frequency * i / sampleRate));
    }
    SF_INFO info{};
    info.samplerate = sampleRate;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    sf_writef_short(file, samples.data(), static_cast<sf_count_t>(samples.size()));
    sf_close(file);
}

// Where the recording rises above the noise floor and its pitch, from zero crossings.
struct Audible {
    double seconds = 0.0;
    double frequency = 0.0;
};

Audible measure(const std::vector<short>& samples) {
    size_t first = samples.size();
    size_t last = 0;
    for (size_t i = 0; i < samples.size(); ++i) {
        if (std::abs(samples[i]) > 1000) {
            first = std::min(first, i);
            last = i;
        }
    }
    Audible audible;
    if (first >= last) {
        return audible;
    }
    int crossings = 0;
    for (size_t i = first + 1; i <= last; ++i) {
        crossings += (samples[i - 1] < 0) != (samples[i] < 0) ? 1 : 0;
    }
    audible.seconds = static_cast<double>(last - first) / sampleRate;
    audible.frequency = crossings / (2.0 * audible.seconds);
    return audible;
}

class SoundTest : public testing::Test {
protected:
    // OpenAL reads its configuration once per process, before the first device opens.
    static void SetUpTestSuite() {
        std::string pattern = (std::filesystem::temp_directory_path() / "velmora-sound-XXXXXX").string();
        recordingFolder = new std::filesystem::path(mkdtemp(pattern.data()));
        const std::filesystem::path config = *recordingFolder / "alsoft.conf";
        std::ofstream(config) << "drivers = wave\nchannels = mono\nsample-type = int16\nfrequency = 44100\n"
                              << "[wave]\nfile = " << (*recordingFolder / "heard.wav").string() << "\n";
        setenv("ALSOFT_CONF", config.c_str(), 1);
    }

    static void TearDownTestSuite() {
        std::filesystem::remove_all(*recordingFolder);
        delete recordingFolder;
    }

    void SetUp() override {
        folder.writeFile("Sounds/.keep", "");
        writeTone("Sounds/Crash.wav", crashTone, crashSeconds);
        writeTone("Sounds/Metal.wav", metalTone, metalSeconds);
    }

    // Opens the output, plays, lets the backend write the given seconds and closes, which completes the file.
    static Audible hear(const std::function<void()>& play, double seconds) {
        const std::filesystem::path recording = *recordingFolder / "heard.wav";
        openSoundOutput();
        play();
        const auto bytes = static_cast<std::uintmax_t>(44 + seconds * sampleRate * 2);
        for (int wait = 0; wait < 500 && std::filesystem::file_size(recording) < bytes; ++wait) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        closeSoundOutput();
        SF_INFO info{};
        SNDFILE* file = sf_open(recording.c_str(), SFM_READ, &info);
        std::vector<short> samples(static_cast<size_t>(info.frames));
        sf_readf_short(file, samples.data(), info.frames);
        sf_close(file);
        return measure(samples);
    }

    static std::filesystem::path* recordingFolder;
    TestSupport::TestFolder folder;
};

std::filesystem::path* SoundTest::recordingFolder = nullptr;

void hitPlayer(bool shieldActive) {
    AsteroidShower shower(0.0, 0.0);
    shower.asteroidList.push_back(std::make_unique<Asteroid>(0.0));
    shower.asteroidList[0]->released = true;
    int lives = 3;
    shower.checkHits(glm::vec3(0.0f), shieldActive, lives);
}

TEST_F(SoundTest, HitsSoundAsACrashOrUnderTheShieldAClang) {
    const Audible crash = hear([] { hitPlayer(false); }, crashSeconds + 0.2);
    EXPECT_NEAR(crash.frequency, crashTone, 20.0);
    EXPECT_NEAR(crash.seconds, crashSeconds, 0.02);
    const Audible clang = hear([] { hitPlayer(true); }, metalSeconds + 0.2);
    EXPECT_NEAR(clang.frequency, metalTone, 60.0);
    EXPECT_NEAR(clang.seconds, metalSeconds, 0.02);
}

TEST_F(SoundTest, NewSoundCutsOffTheOldAndUnreadableFilesChangeNothing) {
    const Audible cut = hear(
        [] {
            playSound("Sounds/Crash.wav");
            playSound("Sounds/Metal.wav");
        },
        crashSeconds + 0.2);
    EXPECT_NEAR(cut.frequency, metalTone, 60.0);
    EXPECT_LT(cut.seconds, metalSeconds + 0.05);

    folder.writeFile("Sounds/Broken.wav", "RIFF....WAVE");
    const Audible kept = hear(
        [] {
            playSound("Sounds/Metal.wav");
            playSound("Sounds/Missing.wav");
            playSound("Sounds/Broken.wav");
        },
        metalSeconds + 0.2);
    EXPECT_NEAR(kept.frequency, metalTone, 60.0);
    EXPECT_NEAR(kept.seconds, metalSeconds, 0.02);

    const Audible nothing = hear([] { playSound("Sounds/Missing.wav"); }, 0.2);
    EXPECT_EQ(nothing.seconds, 0.0);
}

} // namespace
} // namespace Velmora
