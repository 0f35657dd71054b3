#include "support/vector_expectations.hpp"

#include <gtest/gtest.h>

namespace TestSupport {

void expectVecNear(const glm::vec3& actual, const glm::vec3& expected, float tolerance) {
    EXPECT_NEAR(glm::distance(actual, expected), 0.0f, tolerance)
        << "(" << actual.x << ", " << actual.y << ", " << actual.z << ")";
}

} // namespace TestSupport
