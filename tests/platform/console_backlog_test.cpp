#include "platform/console_backlog.hpp"

#include <algorithm>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <unistd.h>

using namespace Velmora;

TEST(ConsoleBacklog, AStalledReaderLosesOnlyTheOldestWaitingLinesAndIsToldHowMany) {
    int ends[2];
    ASSERT_EQ(pipe(ends), 0);
    fcntl(ends[1], F_SETPIPE_SZ, 4096);
    ConsoleBacklog backlog(ends[1]);
    const int count = static_cast<int>(ConsoleBacklog::mostLines) + 2000;
    for (int line = 0; line < count; ++line) {
        backlog.add(std::to_string(line));
    }
    EXPECT_EQ(backlog.waitingLines(), ConsoleBacklog::mostLines);
    EXPECT_EQ(fcntl(ends[1], F_GETFL) & O_NONBLOCK, 0);

    // The reader comes back: every line it gets is whole and later than the one before, but for the one
    // line that counts the lines dropped in its place.
    std::string received;
    char buffer[4096];
    for (ssize_t size = 1; size > 0 || backlog.waitingLines() > 0;) {
        backlog.drain();
        fcntl(ends[0], F_SETFL, O_NONBLOCK);
        size = read(ends[0], buffer, sizeof buffer);
        received.append(buffer, static_cast<std::size_t>(std::max<ssize_t>(size, 0)));
    }
    std::istringstream lines(received);
    int expected = 0;
    int noteLines = 0;
    for (std::string line; std::getline(lines, line);) {
        const int number = std::stoi(line);
        if (line.find(" console lines dropped") != std::string::npos) {
            expected += number;
            ++noteLines;
        } else {
            EXPECT_EQ(number, expected++) << line;
        }
    }
    EXPECT_EQ(expected, count);
    EXPECT_EQ(noteLines, 1);
    close(ends[0]);
    close(ends[1]);
}
