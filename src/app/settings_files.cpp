#include "app/settings_files.hpp"

#include "platform/console.hpp"

#include <filesystem>

namespace Velmora {

std::string settingsFilePath(const std::string& name) {
    const std::filesystem::path folder = userSettingsFolder();
    if (!folder.empty()) {
        std::error_code error;
        const std::filesystem::path own = folder / name;
        const std::filesystem::file_type type = std::filesystem::symlink_status(own, error).type();
        // A folder on the way that may not be searched (another user's home) hides whether the file is
        // there: neither the player's file nor the installed one can be said to be the one meant.
        if (type == std::filesystem::file_type::none) {
            fatalError(folder.u8string() + " - Error: cannot tell whether this settings folder holds " +
                       name + ": " + error.message());
        }
        if (type != std::filesystem::file_type::not_found) {
            return own.u8string();
        }
    }
    return "Config/" + name;
}

} // namespace Velmora
