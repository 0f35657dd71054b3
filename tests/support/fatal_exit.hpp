#pragma once

#include "support/test_system.hpp"

#include <string>

namespace TestSupport {

// A death-test pattern that matches the given text literally, as a whole line.
inline std::string lineMatching(const std::string& text) {
    return lineStartPattern + literalPattern(text) + "\n";
}

} // namespace TestSupport

// Runs the statement in a child process and expects exit status -1 (255) with the given line on its output.
#define EXPECT_FATAL_LINE(statement, line)                                                                   \
    EXPECT_EXIT(                                                                                             \
        {                                                                                                    \
            TestSupport::routeOutputToErrorStream();                                                         \
            statement;                                                                                       \
        },                                                                                                   \
        testing::ExitedWithCode(TestSupport::fatalExitStatus), TestSupport::lineMatching(line))
