#include "platform/player_data.hpp"

#include <windows.h>

namespace Velmora {
namespace {

std::string lastError() {
    return "Windows error " + std::to_string(GetLastError());
}

// A disk that is full or gone shows at the write or the flush; the file is removed after either.
std::string writeTemporary(const std::filesystem::path& temporary, const std::string& contents) {
    const HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return lastError();
    }
    DWORD written = 0;
    const bool whole =
        WriteFile(file, contents.data(), static_cast<DWORD>(contents.size()), &written, nullptr) &&
        written == contents.size() && FlushFileBuffers(file);
    const std::string reason = whole ? "" : lastError();
    CloseHandle(file);
    if (!reason.empty()) {
        DeleteFileW(temporary.c_str());
    }
    return reason;
}

} // namespace

std::string replaceFile(const std::filesystem::path& file, const std::string& contents) {
    std::error_code error;
    std::filesystem::create_directories(file.parent_path(), error);
    if (error) {
        return error.message();
    }
    std::filesystem::path temporary = file;
    temporary += ".new";
    const std::string reason = writeTemporary(temporary, contents);
    if (!reason.empty()) {
        return reason;
    }
    if (!MoveFileExW(temporary.c_str(), file.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const std::string moveReason = lastError();
        DeleteFileW(temporary.c_str());
        return moveReason;
    }
    return "";
}

} // namespace Velmora
