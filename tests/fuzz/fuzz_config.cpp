#include "app/window_config.hpp"
#include "fuzz/fatal_exit_throws.hpp"
#include "support/test_folder.hpp"

#include <cstddef>
#include <cstdint>
#include <string>

// Both configuration files get the same bytes: each reader sees every input.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const TestSupport::TestFolder folder;
    const std::string content(reinterpret_cast<const char*>(data), size);
    folder.writeFile("Config/fullscreenConfig.txt", content);
    folder.writeFile("Config/asteroidSpawnerConfig.txt", content);
    Velmora::WindowConfig config;
    FuzzSupport::finishesWithoutFatalError([&] { Velmora::readFullscreenConfig(config); });
    FuzzSupport::finishesWithoutFatalError([&] { Velmora::readAsteroidSpawnerConfig(config); });
    return 0;
}
