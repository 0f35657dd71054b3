#pragma once

#include "support/test_system.hpp"

#include <cstdlib>
#include <optional>
#include <string>
#include <utility>

namespace TestSupport {

// Sets an environment variable for the object's lifetime, or removes it for a null value; the value it had
// before, or its absence, comes back afterwards.
class ScopedEnvironment {
public:
    ScopedEnvironment(std::string variable, const char* value) : name(std::move(variable)) {
        if (const char* old = std::getenv(name.c_str())) {
            previous = old;
        }
        set(value);
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;
    ~ScopedEnvironment() { set(previous ? previous->c_str() : nullptr); }

private:
    void set(const char* value) const { setEnvironmentVariable(name, value); }

    std::string name;
    std::optional<std::string> previous;
};

} // namespace TestSupport
