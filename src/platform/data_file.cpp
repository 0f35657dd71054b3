#include "platform/data_file.hpp"

#include <filesystem>
#include <system_error>

namespace Velmora {

bool isDataFile(const std::string& path) {
    std::error_code unknown;
    return std::filesystem::is_regular_file(std::filesystem::u8path(path), unknown);
}

std::ifstream openDataFile(const std::string& path, std::ios::openmode mode) {
    std::ifstream file;
    if (isDataFile(path)) {
        file.open(std::filesystem::u8path(path), mode);
    }
    return file;
}

} // namespace Velmora
