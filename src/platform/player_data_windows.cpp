#include "platform/player_data.hpp"

#include <string>
#include <windows.h>

namespace Velmora {
namespace {

std::string lastError() {
    return "Windows error " + std::to_string(GetLastError());
}

} // namespace

// A disk that is full or gone shows at the write or the flush; the file is removed after either.
std::string writeFlushedFile(const std::filesystem::path& temporary, const std::string& contents) {
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

std::string moveFileOver(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (!MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const std::string reason = lastError();
        DeleteFileW(from.c_str());
        return reason;
    }
    return "";
}

} // namespace Velmora
