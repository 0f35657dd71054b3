#include "platform/system_folders.hpp"

#include <cstdlib>
#include <string>
#include <windows.h>

namespace Velmora {

std::filesystem::path programFile() {
    // The path may be longer than MAX_PATH; the buffer grows until it holds the whole path.
    std::wstring path(MAX_PATH, L'\0');
    while (true) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return {};
        }
        if (length < path.size()) {
            path.resize(length);
            std::error_code error;
            const std::filesystem::path resolved = std::filesystem::canonical(path, error);
            return error ? std::filesystem::path(path) : resolved;
        }
        path.resize(2 * path.size());
    }
}

// Settings and the best time alike live in the roaming application data, as Windows games keep them.
std::filesystem::path userSettingsFolder() {
    const wchar_t* value = _wgetenv(L"APPDATA");
    if (value == nullptr || !std::filesystem::path(value).is_absolute()) {
        return {};
    }
    return std::filesystem::path(value) / "velmora";
}

std::filesystem::path playerDataFolder() {
    return userSettingsFolder();
}

} // namespace Velmora
