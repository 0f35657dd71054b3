#include "app/executable_folder.hpp"

#include <filesystem>

namespace Velmora {

void enterExecutableFolder() {
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) {
        std::filesystem::current_path(executable.parent_path(), error);
    }
}

} // namespace Velmora
