#pragma once

namespace Velmora {

// What the two configuration files say; it lives only while the window is being opened.
struct WindowConfig {
    bool fullscreen = false;
    int width = 0;
    int height = 0;
    int asteroidSpawnRate = 0;
    int asteroidSpawnDuration = 0;
};

// Each reader ends the program with its own message on a bad or missing file.
void readFullscreenConfig(WindowConfig& config);
void readAsteroidSpawnerConfig(WindowConfig& config);

} // namespace Velmora
