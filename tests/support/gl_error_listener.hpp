#pragma once

#include <gtest/gtest.h>

namespace TestSupport {

// Fails every GL test that leaves a GL error pending. It checks once the test's fixture and locals are gone,
// so their clean-up counts too, and reads every error, so the next test starts clean.
class GlErrorListener : public testing::EmptyTestEventListener {
public:
    void OnTestEnd(const testing::TestInfo& test) override;
};

} // namespace TestSupport
