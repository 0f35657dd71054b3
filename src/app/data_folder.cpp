#include "app/data_folder.hpp"

#include "platform/system_folders.hpp"

namespace Velmora {

std::filesystem::path dataFolder() {
    const std::filesystem::path program = programFile();
    if (program.empty()) {
        return {};
    }
    std::error_code error;
    const std::filesystem::path installed =
        (program.parent_path() / VELMORA_DATA_FROM_PROGRAM).lexically_normal();
    return std::filesystem::is_directory(installed, error) ? installed : program.parent_path();
}

void enterDataFolder() {
    const std::filesystem::path folder = dataFolder();
    if (!folder.empty()) {
        std::error_code error;
        std::filesystem::current_path(folder, error);
    }
}

} // namespace Velmora
