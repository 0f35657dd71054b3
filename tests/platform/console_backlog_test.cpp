#include "platform/console_backlog.hpp"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sstream>
#include <unistd.h>

using namespace Velmora;

TEST(ConsoleBacklog, AStalledReaderLosesOnlyTheOldestWaitingLinesAndIsToldHowMany) {
    int ends[2];
    ASSERT_EQ(pipe(ends), 0);
    fcntl(ends[1], F_SETPIPE_SZ, 4096);
    fcntl(ends[0], F_SETFL, O_NONBLOCK);
    ConsoleBacklog backlog(ends[1]);
    // Longer than the pipe, the first line is still half written when the drops start.
    const std::string longLine(6000, '#');
    backlog.add(longLine);
    const int count = static_cast<int>(ConsoleBacklog::mostLines) + 2000;
    for (int line = 0; line < count; ++line) {
        backlog.add(std::to_string(line));
    }
    EXPECT_EQ(backlog.waitingLines(), ConsoleBacklog::mostLines);
    EXPECT_EQ(fcntl(ends[1], F_GETFL) & O_NONBLOCK, 0);
    // The reader comes back: each line follows the one before, but for one that counts those dropped there.
    std::string received;
    char buffer[4096];
    for (ssize_t size = 1; size > 0 || backlog.waitingLines() > 0; backlog.drain()) {
        size = read(ends[0], buffer, sizeof buffer);
        received.append(buffer, size > 0 ? static_cast<std::size_t>(size) : 0);
    }
    EXPECT_EQ(received.substr(0, longLine.size() + 1), longLine + "\n");
    std::istringstream lines(received.substr(longLine.size() + 1));
    int expected = 0;
    for (std::string line; std::getline(lines, line);) {
        const bool dropped = line.find(" console lines dropped") != std::string::npos;
        EXPECT_TRUE(dropped || std::stoi(line) == expected) << line;
        expected += dropped ? std::stoi(line) : 1;
    }
    EXPECT_EQ(expected, count);
    EXPECT_EQ(received.find("dropped"), received.rfind("dropped"));
}
