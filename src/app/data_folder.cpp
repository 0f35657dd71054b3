#include "app/data_folder.hpp"

namespace Velmora {

std::filesystem::path dataFolder() {
    std::error_code error;
    // /proc/self/exe names the real file, so a program started through a link finds its folders too.
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        return {};
    }
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
