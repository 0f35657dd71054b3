#include "timestamp_step_clock.hpp"

namespace Velmora {
namespace {

GLuint64 stampOf(const GlQuery& query) {
    GLuint64 nanoseconds = 0;
    glGetQueryObjectui64v(query, GL_QUERY_RESULT, &nanoseconds);
    return nanoseconds;
}

} // namespace

TimestampStepClock::TimestampStepClock() {
    for (size_t stamp = 0; stamp <= renderStepNames().size(); ++stamp) {
        stamps.push_back(GlQuery::generate());
    }
}

void TimestampStepClock::start() {
    stepsDone.clear();
    glQueryCounter(stamps.front(), GL_TIMESTAMP);
}

void TimestampStepClock::stepFinished(const std::string& step) {
    stepsDone.push_back(step);
    glQueryCounter(stamps[stepsDone.size()], GL_TIMESTAMP);
}

void TimestampStepClock::frameDone() {
    GLuint64 previous = stampOf(stamps.front());
    for (std::size_t done = 0; done < stepsDone.size(); ++done) {
        const GLuint64 now = stampOf(stamps[done + 1]);
        record(stepsDone[done], static_cast<double>(now - previous) / 1.0e6);
        previous = now;
    }
}

} // namespace Velmora
