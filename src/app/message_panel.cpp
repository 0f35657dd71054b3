#include "app/message_panel.hpp"

#include <algorithm>

namespace Velmora {

void MessagePanel::add(const std::string& line, double now) {
    entries.push_back({line, now, now});
}

std::vector<std::string> MessagePanel::linesAt(double now) {
    // Lines leave in the order they came. While others wait, one leaves at a time, each at least
    // leastSeconds after the one before, so a burst scrolls through; a waiting line takes the place of the
    // oldest at the moment that one leaves, whenever the panel is next looked at.
    while (!entries.empty()) {
        const Entry& oldest = entries.front();
        const bool crowded = entries.size() > mostLines;
        double leaves = oldest.shownFrom + shownSeconds;
        if (crowded) {
            const double room = std::max(oldest.shownFrom, crowdLeft) + leastSeconds;
            leaves = std::min(leaves, std::max(room, entries[mostLines].addedAt));
        }
        if (now < leaves) {
            break;
        }
        crowdLeft = crowded ? leaves : crowdLeft;
        entries.pop_front();
        if (entries.size() >= mostLines) {
            Entry& placed = entries[mostLines - 1];
            placed.shownFrom = std::max(leaves, placed.addedAt);
        }
    }
    std::vector<std::string> lines;
    for (size_t i = 0; i < entries.size() && i < mostLines; ++i) {
        lines.push_back(entries[i].line);
    }
    return lines;
}

} // namespace Velmora
