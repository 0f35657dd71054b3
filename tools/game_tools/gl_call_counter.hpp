#pragma once

namespace Velmora {

// How often the calls that can make a frame wait for the GPU were made, and how many instanced draws went
// out.
struct GlCallCounts {
    int readBacks = 0;
    int clientWaits = 0;
    int finishes = 0;
    int instancedDraws = 0;
};

// Counts those calls, whoever in the program makes them, while one of these lives; GLEW's entry points must
// be loaded first. glReadPixels and glFinish come straight from the GL library, so the programs that use this
// are linked with those two wrapped (see the build); the later entry points are GLEW's pointers, swapped for
// counting ones and put back at the end.
class GlCallCounter {
public:
    GlCallCounter();
    GlCallCounter(const GlCallCounter&) = delete;
    GlCallCounter& operator=(const GlCallCounter&) = delete;
    ~GlCallCounter();

    // The calls made since the last reset, or since the counter was made.
    GlCallCounts counts() const;
    void reset();
};

} // namespace Velmora
