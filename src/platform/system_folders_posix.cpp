#include "platform/system_folders.hpp"

#include <cstdlib>

namespace Velmora {
namespace {

// Relative paths in these variables are to be ignored, as the XDG base directory rules say.
std::filesystem::path absolutePathIn(const char* variable) {
    const char* value = std::getenv(variable);
    if (value == nullptr || !std::filesystem::path(value).is_absolute()) {
        return {};
    }
    return value;
}

} // namespace

std::filesystem::path programFile() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : program;
}

std::filesystem::path userSettingsFolder() {
    const std::filesystem::path configHome = absolutePathIn("XDG_CONFIG_HOME");
    if (!configHome.empty()) {
        return configHome / "velmora";
    }
    const std::filesystem::path home = absolutePathIn("HOME");
    return home.empty() ? home : home / ".config" / "velmora";
}

std::filesystem::path playerDataFolder() {
    const std::filesystem::path dataHome = absolutePathIn("XDG_DATA_HOME");
    if (!dataHome.empty()) {
        return dataHome / "velmora";
    }
    const std::filesystem::path home = absolutePathIn("HOME");
    return home.empty() ? home : home / ".local" / "share" / "velmora";
}

} // namespace Velmora
