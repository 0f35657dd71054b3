#pragma once

#include "support/test_system.hpp"

#include <regex>
#include <string>

namespace TestSupport {

// A death-test pattern that matches the given text literally, as a whole line.
inline std::string lineMatching(const std::string& text) {
    static const std::regex special(R"([.^$|()\[\]{}*+?\\])");
    return "(^|\n)" + std::regex_replace(text, special, R"(\$&)") + "\n";
}

} // namespace TestSupport

// Runs the statement in a child process and expects exit status -1 (255) with the given line on its output.
#define EXPECT_FATAL_LINE(statement, line)                                                                   \
    EXPECT_EXIT(                                                                                             \
        {                                                                                                    \
            TestSupport::routeOutputToErrorStream();                                                         \
            statement;                                                                                       \
        },                                                                                                   \
        testing::ExitedWithCode(255), TestSupport::lineMatching(line))
