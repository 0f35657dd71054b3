#include "platform/console_backlog.hpp"

#include "platform/console_output.hpp"

#include <chrono>
#include <thread>

namespace Velmora {

ConsoleBacklog::ConsoleBacklog(int descriptor) : descriptor(descriptor) {}

ConsoleBacklog& ConsoleBacklog::standardOutput() {
    static ConsoleBacklog backlog(standardOutputDescriptor);
    return backlog;
}

void ConsoleBacklog::add(const std::string& line) {
    waiting.push_back(line + "\n");
    writeWaiting();
    if (waiting.size() > mostLines) {
        // The first line may be half written; the output must get the rest of it.
        waiting.erase(waiting.begin() + (writtenOfFirst > 0 ? 1 : 0));
        ++dropped;
    }
}

void ConsoleBacklog::drain() {
    writeWaiting();
}

void ConsoleBacklog::drainBeforeExit() {
    using Clock = std::chrono::steady_clock;
    const auto patience = std::chrono::milliseconds(patienceAtExitMs);
    auto lastProgress = Clock::now();
    std::size_t left = waiting.size();
    while (!writeWaiting()) {
        if (waiting.size() < left) {
            left = waiting.size();
            lastProgress = Clock::now();
        }
        if (Clock::now() - lastProgress >= patience) {
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    finishOutput(descriptor, patienceAtExitMs);
}

bool ConsoleBacklog::writeWaiting() {
    while (!waiting.empty()) {
        if (writtenOfFirst == 0 && dropped > 0 && !writeDroppedCount()) {
            return false;
        }
        const std::string& first = waiting.front();
        writtenOfFirst +=
            writeWithoutWaiting(descriptor, first.data() + writtenOfFirst, first.size() - writtenOfFirst);
        if (writtenOfFirst < first.size()) {
            return false;
        }
        waiting.pop_front();
        writtenOfFirst = 0;
    }
    return true;
}

bool ConsoleBacklog::writeDroppedCount() {
    const std::string line =
        std::to_string(dropped) + " console lines dropped: the output was not read for too long\n";
    const std::size_t taken = writeWithoutWaiting(descriptor, line.data(), line.size());
    if (taken == 0) {
        return false;
    }
    if (taken < line.size()) {
        waiting.push_front(line);
        writtenOfFirst = taken;
    }
    dropped = 0;
    return true;
}

} // namespace Velmora
