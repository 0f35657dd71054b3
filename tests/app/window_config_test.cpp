#include "app/window_config.hpp"
#include "support/fatal_exit.hpp"
#include "support/test_folder.hpp"

#include <gtest/gtest.h>
#include <limits>

using namespace Velmora;
using TestSupport::TestFolder;

namespace {

const std::string fullscreenFile = "Config/fullscreenConfig.txt";
const std::string spawnerFile = "Config/asteroidSpawnerConfig.txt";

WindowConfig readFullscreen(const std::string& content) {
    TestFolder folder;
    folder.writeFile(fullscreenFile, content);
    WindowConfig config;
    readFullscreenConfig(config);
    return config;
}

WindowConfig readSpawner(const std::string& content) {
    TestFolder folder;
    folder.writeFile(spawnerFile, content);
    WindowConfig config;
    readAsteroidSpawnerConfig(config);
    return config;
}

std::string missingLine(const std::string& file, int line) {
    return file + " - Error occurred while reading line " + std::to_string(line) + ": - no line";
}

} // namespace

TEST(FullscreenConfig, ReadsModeAndSizeAndIgnoresExtraLines) {
    const WindowConfig windowed = readFullscreen("false\n1280\n720\n");
    EXPECT_FALSE(windowed.fullscreen);
    EXPECT_EQ(windowed.width, 1280);
    EXPECT_EQ(windowed.height, 720);

    const WindowConfig fullscreen = readFullscreen("true\n1920\n1080\nfourth line\nfifth");
    EXPECT_TRUE(fullscreen.fullscreen);
    EXPECT_EQ(fullscreen.width, 1920);
    EXPECT_EQ(fullscreen.height, 1080);
}

TEST(FullscreenConfig, ConvertsNumbersLikeAtoi) {
    EXPECT_EQ(readFullscreen("false\n1024px\n  -600\n").width, 1024);
    EXPECT_EQ(readFullscreen("false\n1024px\n  -600\n").height, -600);
    EXPECT_EQ(readFullscreen("false\nwide\n+7x\n").width, 0);
    EXPECT_EQ(readFullscreen("false\nwide\n+7x\n").height, 7);
    EXPECT_EQ(readFullscreen("false\n640\n\n").height, 0);
    EXPECT_EQ(readFullscreen("false\n99999999999\n-4294967296000\n").width, std::numeric_limits<int>::max());
    EXPECT_EQ(readFullscreen("false\n99999999999\n-4294967296000\n").height, std::numeric_limits<int>::min());
}

TEST(FullscreenConfigDeathTest, RejectsAnyFirstLineButTheTwoWords) {
    const std::string lineOne =
        fullscreenFile + " - Error occurred while reading line 1: - line 1 has to be 'true' or 'false'.";
    for (const std::string first : {"True", "false ", "yes", "", " true"}) {
        EXPECT_FATAL_LINE(readFullscreen(first + "\n800\n600\n"), lineOne) << "first line: '" << first << "'";
    }
}

TEST(FullscreenConfigDeathTest, ReportsTheFirstMissingLine) {
    EXPECT_FATAL_LINE(readFullscreen(""), missingLine(fullscreenFile, 1));
    EXPECT_FATAL_LINE(readFullscreen("false"), missingLine(fullscreenFile, 2));
    EXPECT_FATAL_LINE(readFullscreen("false\n800"), missingLine(fullscreenFile, 3));
    EXPECT_FATAL_LINE(readFullscreen("false\n800\n"), missingLine(fullscreenFile, 3));
}

TEST(SpawnerConfig, ReadsRateAndDuration) {
    const WindowConfig config = readSpawner("3\n60\nignored\n");
    EXPECT_EQ(config.asteroidSpawnRate, 3);
    EXPECT_EQ(config.asteroidSpawnDuration, 60);
    EXPECT_EQ(readSpawner("-2\n0.5\n").asteroidSpawnRate, -2);
    EXPECT_EQ(readSpawner("-2\n0.5\n").asteroidSpawnDuration, 0);
}

TEST(SpawnerConfigDeathTest, ProductBeyondTheLimitEndsTheProgram) {
    EXPECT_EQ(readSpawner("1000\n1000\n").asteroidSpawnRate, 1000);
    EXPECT_EQ(readSpawner("-1000\n-1000\n").asteroidSpawnDuration, -1000);
    const std::string message =
        spawnerFile + " - Error: asteroids per second times seconds must not exceed 1000000";
    EXPECT_FATAL_LINE(readSpawner("1000001\n1\n"), message);
    EXPECT_FATAL_LINE(readSpawner("2147483647\n2147483647\n"), message);
    // A negative value gives no asteroids, however large the product.
    EXPECT_EQ(readSpawner("-99999999999\n-2\n").asteroidSpawnDuration, -2);
}

TEST(SpawnerConfigDeathTest, ReportsTheFirstMissingLine) {
    EXPECT_FATAL_LINE(readSpawner(""), missingLine(spawnerFile, 1));
    EXPECT_FATAL_LINE(readSpawner("4"), missingLine(spawnerFile, 2));
}

TEST(ConfigFilesDeathTest, MissingOrUnreadableFileNamesTheFile) {
    EXPECT_FATAL_LINE(
        {
            TestFolder empty;
            WindowConfig config;
            readFullscreenConfig(config);
        },
        "Failed to open configuration file: " + fullscreenFile);
    EXPECT_FATAL_LINE(
        {
            TestFolder folder;
            folder.writeFile(spawnerFile + "/inside", "a folder where the file should be");
            WindowConfig config;
            readAsteroidSpawnerConfig(config);
        },
        "Failed to open configuration file: " + spawnerFile);
    // Opening a FIFO would wait for a writer: the alarm ends a reader that hangs.
    EXPECT_FATAL_LINE(
        {
            TestSupport::endAfterSeconds(10);
            TestFolder folder;
            std::filesystem::create_directory("Config");
            // Where the system has no FIFOs the file stays missing, which ends the same way.
            TestSupport::makeFifo(fullscreenFile);
            WindowConfig config;
            readFullscreenConfig(config);
        },
        "Failed to open configuration file: " + fullscreenFile);
}
