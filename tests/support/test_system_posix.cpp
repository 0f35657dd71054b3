#include "support/test_system.hpp"

#include <cstdlib>
#include <fstream>
#include <regex>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace TestSupport {

const char* const userSettingsVariable = "XDG_CONFIG_HOME";
const int fatalExitStatus = 255;
const char* const lineStartPattern = "(^|\n)";
const char* const restOfLinePattern = "[^\n]+";
const char* const numberPattern = "-?[0-9]+";

std::string literalPattern(const std::string& text) {
    static const std::regex special(R"([.^$|()\[\]{}*+?\\])");
    return std::regex_replace(text, special, R"(\$&)");
}

std::filesystem::path makeTemporaryFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "velmora-test-XXXXXX").string();
    return mkdtemp(pattern.data());
}

void setEnvironmentVariable(const std::string& name, const char* value) {
    if (value == nullptr) {
        unsetenv(name.c_str());
    } else {
        setenv(name.c_str(), value, 1);
    }
}

void routeOutputToErrorStream() {
    dup2(STDERR_FILENO, STDOUT_FILENO);
}

void endAfterSeconds(unsigned seconds) {
    alarm(seconds);
}

void limitMemory() {
    long pages = 0;
    std::ifstream("/proc/self/statm") >> pages;
    const rlim_t limit = static_cast<rlim_t>(pages * sysconf(_SC_PAGESIZE)) + (rlim_t{512} << 20);
    const rlimit memory{limit, limit};
    setrlimit(RLIMIT_AS, &memory);
}

bool makeFifo(const std::string& path) {
    return mkfifo(path.c_str(), 0600) == 0;
}

std::string endlessDevice() {
    return "/dev/urandom";
}

} // namespace TestSupport
