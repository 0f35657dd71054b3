#pragma once

#include <deque>
#include <string>
#include <vector>

namespace Velmora {

// The lines of play that the window shows for a while, newest last: a few at once, each for a few seconds. A
// burst of lines is scrolled through in order, each shown for a while, rather than dropping the older ones
// unseen. Times are in seconds on one clock of the caller's, so how long a line stays does not depend on the
// frame rate.
class MessagePanel {
public:
    static constexpr size_t mostLines = 4;
    static constexpr double shownSeconds = 5.0;
    // While more lines wait, a line makes room for the next after this long.
    static constexpr double leastSeconds = 1.5;

    void add(const std::string& line, double now);
    // The lines shown at the given time, oldest first; those past their time are forgotten.
    std::vector<std::string> linesAt(double now);

private:
    struct Entry {
        std::string line;
        double addedAt;
        // Set once the line has a place on the panel.
        double shownFrom;
    };
    std::deque<Entry> entries;
    // When the last line left to make room for a waiting one.
    double crowdLeft = -leastSeconds;
};

} // namespace Velmora
