#include "support/test_system.hpp"

#include <chrono>
#include <cstdlib>
#include <io.h>
#include <thread>
#include <windows.h>

namespace TestSupport {

const char* const userSettingsVariable = "APPDATA";
const int fatalExitStatus = -1;
const char* const lineStartPattern = "";
const char* const restOfLinePattern = ".+";
const char* const numberPattern = "-?\\d+";

std::string literalPattern(const std::string& text) {
    std::string pattern;
    for (const char c : text) {
        if (std::string(".^$|()[]{}*+?\\").find(c) != std::string::npos) {
            pattern += '\\';
        }
        pattern += c;
    }
    return pattern;
}

std::filesystem::path makeTemporaryFolder() {
    const std::filesystem::path temporary = std::filesystem::temp_directory_path();
    for (unsigned attempt = GetTickCount();; ++attempt) {
        const std::filesystem::path folder =
            temporary /
            ("velmora-test-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(attempt));
        if (std::filesystem::create_directory(folder)) {
            return folder;
        }
    }
}

void setEnvironmentVariable(const std::string& name, const char* value) {
    _putenv_s(name.c_str(), value == nullptr ? "" : value);
}

void routeOutputToErrorStream() {
    _dup2(2, 1);
    SetStdHandle(STD_OUTPUT_HANDLE, GetStdHandle(STD_ERROR_HANDLE));
}

void endAfterSeconds(unsigned seconds) {
    std::thread([seconds] {
        std::this_thread::sleep_for(std::chrono::seconds(seconds));
        std::_Exit(3);
    }).detach();
}

// A job object could cap the memory; no file the tests load here needs it, as Windows has no endless devices.
void limitMemory() {}

bool makeFifo(const std::string&) {
    return false;
}

std::string endlessDevice() {
    return "";
}

} // namespace TestSupport
