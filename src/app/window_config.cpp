#include "app/window_config.hpp"

#include "app/settings_files.hpp"
#include "platform/console.hpp"
#include "platform/data_file.hpp"
#include "world/asteroid_shower.hpp"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <limits>
#include <string>

namespace Velmora {
namespace {

// No value of these files needs more: a longer line is a file of something else, and is refused before it is
// read whole into memory.
constexpr std::size_t longestLine = 256;

// The files hold one value per line, in a fixed order, with no keys and no defaults.
class ConfigLines {
public:
    // A missing file would otherwise read as empty lines and blame line 1.
    explicit ConfigLines(const std::string& path) : path(path), file(openDataFile(path)) {
        if (!file.is_open()) {
            fatalError("Failed to open configuration file: " + path);
        }
    }

    // A line is there when anything is left to read; a file that ends right after a line end has no next
    // line.
    std::string next() {
        ++lineNumber;
        if (file.peek() == std::ifstream::traits_type::eof()) {
            fatalError(lineError("no line"));
        }
        std::string line;
        for (int c = file.get(); c != std::ifstream::traits_type::eof() && c != '\n'; c = file.get()) {
            if (line.size() == longestLine) {
                fatalError(lineError("longer than " + std::to_string(longestLine) + " characters"));
            }
            line.push_back(static_cast<char>(c));
        }
        return line;
    }

    std::string lineError(const std::string& reason) const {
        return path + " - Error occurred while reading line " + std::to_string(lineNumber) + ": - " + reason;
    }

    const std::string& filePath() const { return path; }

private:
    std::string path;
    std::ifstream file;
    int lineNumber = 0;
};

// Read the way atoi reads, except that a number beyond the range of int, which atoi leaves undefined, is held
// at the nearest end of the range.
int toInt(const std::string& line) {
    const long value = std::strtol(line.c_str(), nullptr, 10);
    return static_cast<int>(
        std::clamp<long>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

} // namespace

void readFullscreenConfig(WindowConfig& config) {
    ConfigLines lines(settingsFilePath("fullscreenConfig.txt"));
    const std::string mode = lines.next();
    if (mode == "true") {
        config.fullscreen = true;
    } else if (mode == "false") {
        config.fullscreen = false;
    } else {
        fatalError(lines.lineError("line 1 has to be 'true' or 'false'."));
    }
    config.width = toInt(lines.next());
    config.height = toInt(lines.next());
}

void readAsteroidSpawnerConfig(WindowConfig& config) {
    ConfigLines lines(settingsFilePath("asteroidSpawnerConfig.txt"));
    config.asteroidSpawnRate = toInt(lines.next());
    config.asteroidSpawnDuration = toInt(lines.next());
    // Compared as a double: the product of two ints can leave the int range. A negative value gives no
    // asteroids whatever the other, so only two positive values can ask for too many.
    if (config.asteroidSpawnRate > 0 &&
        static_cast<double>(config.asteroidSpawnRate) * config.asteroidSpawnDuration >
            AsteroidShower::maximumCount) {
        fatalError(lines.filePath() + " - Error: asteroids per second times seconds must not exceed " +
                   std::to_string(AsteroidShower::maximumCount));
    }
}

} // namespace Velmora
