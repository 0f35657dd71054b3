#include "app/message_panel.hpp"

namespace Velmora {

void MessagePanel::add(const std::string& line, double now, double seconds) {
    entries.push_back({line, now + seconds});
    if (entries.size() > mostLines) {
        entries.pop_front();
    }
}

std::vector<std::string> MessagePanel::linesAt(double now) {
    std::vector<std::string> lines;
    std::deque<Entry> kept;
    for (const Entry& entry : entries) {
        if (now < entry.shownUntil) {
            kept.push_back(entry);
            lines.push_back(entry.line);
        }
    }
    entries = std::move(kept);
    return lines;
}

} // namespace Velmora
