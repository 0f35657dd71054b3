#pragma once

#include "render/gl_name.hpp"
#include "step_clock.hpp"

#include <string>
#include <vector>

namespace Velmora {

struct GlQueryKind {
    static void generate(GLuint* name) { glGenQueries(1, name); }
    static void destroy(const GLuint* name) { glDeleteQueries(1, name); }
};
using GlQuery = GlName<GlQueryKind>;

// Times the steps on a graphics card from GL_TIMESTAMP queries written as each step ends and read once the
// frame is done, so that the card runs the frame as the game sends it, with no stop between steps.
class TimestampStepClock : public StepClock {
public:
    TimestampStepClock();
    void start() override;
    void stepFinished(const std::string& step) override;
    void frameDone() override;

private:
    // The frame's start, then one a step.
    std::vector<GlQuery> stamps;
    std::vector<std::string> stepsDone;
};

} // namespace Velmora
