#pragma once

#include <string>
#include <vector>

namespace Velmora {

// The names the steps of a rendered frame go by in the benchmark's figures, in the order the game renders
// them: the shadows, the scene's steps as the world's objects are registered (worldObjects), then the
// post-processing and the composite.
std::vector<std::string> renderStepNames();

// Told the end of each step of a frame, by one of renderStepNames, for a tool that times the steps one by
// one; the game itself renders without one.
class RenderStepTimer {
public:
    virtual ~RenderStepTimer() = default;
    virtual void stepFinished(const std::string& step) = 0;
};

} // namespace Velmora
