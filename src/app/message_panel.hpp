#pragma once

#include <deque>
#include <string>
#include <vector>

namespace Velmora {

// The lines of play that the window shows for a while, newest last: a few at most, each for a few seconds.
// Times are in seconds on one clock of the caller's, so how long a line stays does not depend on the frame
// rate.
class MessagePanel {
public:
    static constexpr size_t mostLines = 4;
    static constexpr double shownSeconds = 5.0;

    void add(const std::string& line, double now, double seconds = shownSeconds);
    // The lines still shown at the given time, oldest first; those past their time are forgotten.
    std::vector<std::string> linesAt(double now);

private:
    struct Entry {
        std::string line;
        double shownUntil;
    };
    std::deque<Entry> entries;
};

} // namespace Velmora
