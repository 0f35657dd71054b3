#pragma once

#include <cstddef>
#include <deque>
#include <string>

namespace Velmora {

// The console's lines on their way to one output, written without ever waiting: what the output cannot take
// now (a pipe whose reader stopped reading, a terminal on hold) waits here, in order, and goes out as soon as
// the output drains. A reader that keeps reading sees every line as it is printed. When the reader falls
// behind by more than mostLines, the oldest waiting lines are dropped and one line in their place says how
// many.
class ConsoleBacklog {
public:
    static constexpr std::size_t mostLines = 10000;
    // How long the last drain before the program ends waits for a reader that has stopped reading.
    static constexpr int patienceAtExitMs = 1000;

    explicit ConsoleBacklog(int descriptor);

    // The backlog of standard output, which every printed line goes through.
    static ConsoleBacklog& standardOutput();

    // The line goes out after every line still waiting, or waits behind them.
    void add(const std::string& line);
    // Writes as much as the output takes now, without waiting; the frame loop calls it once a frame.
    void drain();
    // Writes the rest before the program ends, waiting for a reader that keeps reading, but giving up on one
    // that has not read for patienceAtExitMs.
    void drainBeforeExit();

    std::size_t waitingLines() const { return waiting.size(); }

private:
    // Whether the output took all that was written; false when it would have to wait.
    bool writeWaiting();
    bool writeDroppedCount();

    int descriptor;
    std::deque<std::string> waiting;
    // Bytes of the first waiting line already written: a line is never cut short on the output.
    std::size_t writtenOfFirst = 0;
    std::size_t dropped = 0;
};

} // namespace Velmora
