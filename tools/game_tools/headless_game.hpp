#pragma once

#include <string>
#include <vector>

namespace Velmora {

// The real game set up in a hidden window of a given size, for tools that render or time frames without a
// player: the README picture and the benchmark.
class HeadlessGame {
public:
    HeadlessGame(int width, int height);
    HeadlessGame(const HeadlessGame&) = delete;
    HeadlessGame& operator=(const HeadlessGame&) = delete;
    ~HeadlessGame();

    // One update and render pass with the given frame time, as the frame loop runs them.
    void runFrame(double frameTime);
    // The two halves of a frame, for a benchmark that times them apart.
    void update(double frameTime);
    void renderAndShow();
    // The window's picture, RGB rows bottom-up as GL and DevIL both keep them.
    std::vector<unsigned char> windowPixels() const;
    void savePng(const std::string& path) const;

    int width() const { return windowWidthPixels; }
    int height() const { return windowHeightPixels; }

private:
    int windowWidthPixels;
    int windowHeightPixels;
};

} // namespace Velmora
