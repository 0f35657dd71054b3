#include "platform/player_data.hpp"

namespace Velmora {

std::string replaceFile(const std::filesystem::path& file, const std::string& contents) {
    std::error_code error;
    std::filesystem::create_directories(file.parent_path(), error);
    if (error) {
        return error.message();
    }
    std::filesystem::path temporary = file;
    temporary += ".new";
    const std::string reason = writeFlushedFile(temporary, contents);
    return reason.empty() ? moveFileOver(temporary, file) : reason;
}

} // namespace Velmora
