#pragma once

#include "support/scoped_environment.hpp"
#include "support/test_system.hpp"

#include <filesystem>
#include <string>

namespace TestSupport {

// A fresh temporary folder that becomes the working directory for the test's lifetime, so that code reading
// relative paths such as "Config/..." sees only what the test prepared. XDG_CONFIG_HOME (%APPDATA% on
// Windows) points at its settings/ folder meanwhile, so the player's own settings are read from
// settings/velmora/ and never from the real home.
class TestFolder {
public:
    TestFolder();
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;
    ~TestFolder();

    void writeFile(const std::string& relativePath, const std::string& content) const;
    const std::filesystem::path& path() const { return folder; }

private:
    std::filesystem::path folder;
    std::filesystem::path previous;
    ScopedEnvironment settingsHome;
};

} // namespace TestSupport
