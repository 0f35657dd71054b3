#include "frame_figures.hpp"

#include "postfx/scene_framebuffer.hpp"
#include "render/shadow_map.hpp"

#include <algorithm>
#include <cstdio>

namespace Velmora {
namespace {

// The renderer's name is the only text that comes from outside; quotes, backslashes and control characters
// would break the object.
std::string jsonString(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
        }
        quoted += static_cast<unsigned char>(c) < 0x20 ? ' ' : c;
    }
    return quoted + "\"";
}

std::string callsText(const GlCallCounts& calls) {
    return std::to_string(calls.readBacks) + " read-backs, " + std::to_string(calls.clientWaits) +
           " client waits, " + std::to_string(calls.finishes) + " glFinish, " +
           std::to_string(calls.instancedDraws) + " instanced draws";
}

std::string callsJson(const GlCallCounts& calls) {
    return "{\"readBacks\":" + std::to_string(calls.readBacks) +
           ",\"clientWaits\":" + std::to_string(calls.clientWaits) +
           ",\"finishes\":" + std::to_string(calls.finishes) +
           ",\"instancedDraws\":" + std::to_string(calls.instancedDraws) + "}";
}

void printStepsJson(const FrameFigures& figures) {
    const std::vector<std::string> names = renderStepNames();
    std::printf("\"passes\":[");
    for (size_t step = 0; step < names.size(); ++step) {
        std::printf("%s{\"pass\":\"%s\",\"ms\":%.3f,\"floorMs\":%.3f}", step == 0 ? "" : ",",
                    names[step].c_str(), figures.stepMs.at(step), figures.floorStepMs.at(step));
    }
    std::printf("],");
}

void printScalingJson(const FrameFigures& figures) {
    std::printf("\"asteroidScaling\":[");
    for (size_t i = 0; i < figures.scaling.size(); ++i) {
        const AsteroidScaling& row = figures.scaling[i];
        std::printf("%s{\"asteroidsInPlay\":%d,\"frameMs\":%.3f,\"cpuMs\":%.3f,\"updateMs\":%.3f,"
                    "\"peakMemoryMiB\":%.1f,\"calls\":%s}",
                    i == 0 ? "" : ",", row.asteroidsInPlay, row.frameMs, row.cpuMs, row.updateMs,
                    row.peakMemoryMiB, callsJson(row.calls).c_str());
    }
    std::printf("],");
}

void printLargeShowerJson(const LargeShower& shower) {
    std::printf("\"largeShower\":{\"asteroids\":%d,\"setUpMs\":%.3f,\"updateBeforeEnterMs\":%.3f,"
                "\"asteroidsInPlay\":%d,\"updateInPlayMs\":%.3f,\"frameInPlayMs\":%.3f,\"callsInPlay\":%s},",
                shower.asteroids, shower.setUpMs, shower.updateBeforeEnterMs, shower.inPlay,
                shower.updateInPlayMs, shower.frameInPlayMs, callsJson(shower.callsInPlay).c_str());
}

} // namespace

double medianOf(std::vector<double> values) {
    if (values.empty()) {
        return 0.0;
    }
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

void printText(const FrameFigures& figures) {
    std::printf("renderer: %s\n", figures.renderer.c_str());
    std::printf("renderer kind: %s; steps timed by %s\n", figures.rendererKind.c_str(),
                figures.stepClock.c_str());
    std::printf("medians of %d frames at 1280 x 720 (scene %d x %d, shadow map %d x %d)\n", figures.frames,
                SceneFramebuffer::width, SceneFramebuffer::height, ShadowMap::size, ShadowMap::size);
    std::printf("start to first frame: %.2f s\n", figures.startToFirstFrameSeconds);
    const std::vector<std::string> names = renderStepNames();
    for (size_t step = 0; step < names.size(); ++step) {
        std::printf("%s: %.1f ms (floor %.1f ms)\n", names[step].c_str(), figures.stepMs.at(step),
                    figures.floorStepMs.at(step));
    }
    std::printf("update: %.1f ms\n", figures.updateMs);
    std::printf("frame: %.1f ms (%.1f fps), CPU %.1f ms, floor %.1f ms\n", figures.frameMs,
                1000.0 / figures.frameMs, figures.frameCpuMs, figures.floorFrameMs);
    std::printf("calls per frame: %s\n", callsText(figures.frameCalls).c_str());
    std::printf("ratio to floor: %.2f\n", figures.frameMs / figures.floorFrameMs);
    for (const AsteroidScaling& row : figures.scaling) {
        std::printf("asteroids in play %d: frame %.1f ms, CPU %.1f ms, update %.2f ms; %s\n",
                    row.asteroidsInPlay, row.frameMs, row.cpuMs, row.updateMs, callsText(row.calls).c_str());
    }
    for (const AsteroidScaling& row : figures.scaling) {
        std::printf("peak memory with %d asteroids in play: %.1f MiB\n", row.asteroidsInPlay,
                    row.peakMemoryMiB);
    }
    const LargeShower& shower = figures.largeShower;
    std::printf(
        "shower %d: set-up %.1f ms, update before Enter %.2f ms, update with %d in play %.2f ms, frame "
        "with %d in play %.1f ms; %s\n",
        shower.asteroids, shower.setUpMs, shower.updateBeforeEnterMs, shower.inPlay, shower.updateInPlayMs,
        shower.inPlay, shower.frameInPlayMs, callsText(shower.callsInPlay).c_str());
    std::printf("peak memory: %.1f MiB (%.1f MiB before the asteroid scaling)\n", figures.peakMemoryMiB,
                figures.gamePeakMemoryMiB);
}

void printJson(const FrameFigures& figures) {
    std::printf("{\"renderer\":%s,\"rendererKind\":%s,\"stepClock\":%s,\"frames\":%d,"
                "\"startToFirstFrameSeconds\":%.3f,",
                jsonString(figures.renderer).c_str(), jsonString(figures.rendererKind).c_str(),
                jsonString(figures.stepClock).c_str(), figures.frames, figures.startToFirstFrameSeconds);
    printStepsJson(figures);
    std::printf("\"updateMs\":%.3f,\"frameMs\":%.3f,\"frameCpuMs\":%.3f,\"frameCalls\":%s,"
                "\"floorFrameMs\":%.3f,\"ratioToFloor\":%.3f,",
                figures.updateMs, figures.frameMs, figures.frameCpuMs, callsJson(figures.frameCalls).c_str(),
                figures.floorFrameMs, figures.frameMs / figures.floorFrameMs);
    printScalingJson(figures);
    printLargeShowerJson(figures.largeShower);
    std::printf("\"gamePeakMemoryMiB\":%.1f,\"peakMemoryMiB\":%.1f}\n", figures.gamePeakMemoryMiB,
                figures.peakMemoryMiB);
}

} // namespace Velmora
