// The sound layer heard through OpenAL Soft's wave writer: the device the game opens records to a mono 16-bit
// file instead of playing, so the tests read back what a person would have heard.
#include "platform/sound.hpp"
#include "support/test_folder.hpp"
#include "world/asteroid_shower.hpp"

#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sndfile.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace Velmora {
namespace {

constexpr int rate = 44100;
const std::string recording = "/tmp/velmora-heard-" + std::to_string(getpid()) + ".wav";

std::vector<short> readWav(const std::string& path) {
    SF_INFO info{};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    std::vector<short> samples(static_cast<size_t>(info.frames));
    sf_readf_short(file, samples.data(), info.frames);
    sf_close(file);
    return samples;
}

void writeTone(const std::string& path, double frequency, double seconds) {
    std::vector<short> samples(static_cast<size_t>(seconds * rate));
    for (size_t i = 0; i < samples.size(); ++i) {
        samples[i] = static_cast<short>(16000.0 * std::sin(2.0 * M_PI * frequency * i / rate));
    }
    SF_INFO info{0, rate, 1, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 0, 0};
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    sf_writef_short(file, samples.data(), static_cast<sf_count_t>(samples.size()));
    sf_close(file);
}

// How long the recording is audible, and its pitch from the zero crossings in that stretch.
struct Heard {
    double seconds = 0.0;
    double frequency = 0.0;
};

// Opens the output, plays, lets the wave writer record the given seconds from where the sound was started and
// closes it, which completes the file. On a loaded machine the start may come well after the device opened.
template <typename Play> Heard hear(Play play, double seconds) {
    openSoundOutput();
    play();
    const auto bytes =
        std::filesystem::file_size(recording) + static_cast<std::uintmax_t>(seconds * rate * 2);
    for (int wait = 0; wait < 500 && std::filesystem::file_size(recording) < bytes; ++wait) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    closeSoundOutput();
    const std::vector<short> samples = readWav(recording);
    size_t first = samples.size();
    size_t last = 0;
    for (size_t i = 0; i < samples.size(); ++i) {
        if (std::abs(samples[i]) > 1000) {
            first = std::min(first, i);
            last = i;
        }
    }
    if (first >= last) {
        return {};
    }
    int crossings = 0;
    for (size_t i = first + 1; i <= last; ++i) {
        crossings += (samples[i - 1] < 0) != (samples[i] < 0) ? 1 : 0;
    }
    const double audible = static_cast<double>(last - first) / rate;
    return {audible, crossings / (2.0 * audible)};
}

void hitPlayer(bool shieldActive) {
    AsteroidShower shower(0.0, 0.0);
    shower.addAsteroid(Asteroid(0.0)).released = true;
    int lives = 3;
    shower.checkHits(glm::vec3(0.0f), shieldActive, lives);
}

class SoundTest : public testing::Test {
protected:
    // OpenAL reads its configuration once per process, before the first device opens.
    static void SetUpTestSuite() {
        std::ofstream(recording + ".conf") << "drivers = wave\nchannels = mono\nsample-type = int16\n"
                                           << "frequency = 44100\n[wave]\nfile = " << recording << "\n";
        setenv("ALSOFT_CONF", (recording + ".conf").c_str(), 1);
    }

    static void TearDownTestSuite() {
        std::filesystem::remove(recording);
        std::filesystem::remove(recording + ".conf");
    }

    // A low tone stands for the crash and a high one for the clang, each with its own length.
    void SetUp() override {
        std::filesystem::create_directory("Sounds");
        writeTone("Sounds/Crash.wav", 300.0, 0.3);
        writeTone("Sounds/Metal.wav", 1500.0, 0.15);
    }

    TestSupport::TestFolder folder;
};

TEST_F(SoundTest, HitsSoundAsACrashOrUnderTheShieldAClang) {
    const Heard crash = hear([] { hitPlayer(false); }, 0.5);
    EXPECT_NEAR(crash.frequency, 300.0, 20.0);
    EXPECT_NEAR(crash.seconds, 0.3, 0.02);
    const Heard clang = hear([] { hitPlayer(true); }, 0.35);
    EXPECT_NEAR(clang.frequency, 1500.0, 60.0);
    EXPECT_NEAR(clang.seconds, 0.15, 0.02);
}

TEST_F(SoundTest, NewSoundCutsOffTheOldAndUnreadableFilesChangeNothing) {
    const Heard cut = hear([] { playSound("Sounds/Crash.wav"), playSound("Sounds/Metal.wav"); }, 0.5);
    EXPECT_NEAR(cut.frequency, 1500.0, 60.0);
    EXPECT_LT(cut.seconds, 0.2);

    folder.writeFile("Sounds/Broken.wav", "RIFF....WAVE");
    // A FIFO would wait for a writer for ever in the middle of a frame.
    ASSERT_EQ(mkfifo("Sounds/Pipe.wav", 0600), 0);
    const Heard kept = hear(
        [] {
            playSound("Sounds/Metal.wav"), playSound("Sounds/Missing.wav"), playSound("Sounds/Broken.wav");
            playSound("Sounds/Pipe.wav");
        },
        0.35);
    EXPECT_NEAR(kept.frequency, 1500.0, 60.0);
    EXPECT_NEAR(kept.seconds, 0.15, 0.02);
    EXPECT_EQ(hear([] { playSound("Sounds/Missing.wav"); }, 0.2).seconds, 0.0);
}

} // namespace
} // namespace Velmora
