#include "app/message_panel.hpp"

#include <gtest/gtest.h>

using namespace Velmora;
using Lines = std::vector<std::string>;

TEST(MessagePanel, ShowsEachLineItsTimeAndScrollsABurstThroughInOrder) {
    MessagePanel panel;
    panel.add("a", 0.0);
    panel.add("b", 1.0);
    EXPECT_EQ(panel.linesAt(4.9), (Lines{"a", "b"}));
    EXPECT_EQ(panel.linesAt(5.0), (Lines{"b"}));
    // Ten at once: four on show, one making room for the next every 1.5 s; looked at late, each leaves at its
    // time.
    for (int line = 0; line < 10; ++line) {
        panel.add(std::to_string(line), 10.0);
    }
    EXPECT_EQ(panel.linesAt(11.4), (Lines{"0", "1", "2", "3"}));
    EXPECT_EQ(panel.linesAt(11.5), (Lines{"1", "2", "3", "4"}));
    EXPECT_EQ(panel.linesAt(19.0), (Lines{"6", "7", "8", "9"}));
    EXPECT_EQ(panel.linesAt(22.9), (Lines{"9"}));
    EXPECT_EQ(panel.linesAt(23.0), Lines{});
    // A line that comes while the panel is full waits for a place.
    for (int line = 0; line < 4; ++line) {
        panel.add(std::to_string(line), 30.0);
    }
    panel.add("late", 34.0);
    EXPECT_EQ(panel.linesAt(34.0), (Lines{"1", "2", "3", "late"}));
    EXPECT_EQ(panel.linesAt(38.9), (Lines{"late"}));
}
