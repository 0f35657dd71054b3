#include "platform/player_data.hpp"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace Velmora {
namespace {

std::string lastError() {
    return std::strerror(errno);
}

// The whole buffer, however the system splits the writes.
bool writeAll(int descriptor, const std::string& contents) {
    for (std::size_t written = 0; written < contents.size();) {
        const ssize_t now = write(descriptor, contents.data() + written, contents.size() - written);
        if (now < 0 && errno != EINTR) {
            return false;
        }
        written += now < 0 ? 0 : static_cast<std::size_t>(now);
    }
    return true;
}

// A disk that is full or gone shows at the write, the flush or the close; the file is removed after each.
std::string writeTemporary(const std::filesystem::path& temporary, const std::string& contents) {
    const int descriptor = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (descriptor < 0) {
        return lastError();
    }
    const bool written = writeAll(descriptor, contents) && fsync(descriptor) == 0;
    std::string reason = written ? "" : lastError();
    if (close(descriptor) != 0 && reason.empty()) {
        reason = lastError();
    }
    if (!reason.empty()) {
        unlink(temporary.c_str());
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
    if (std::rename(temporary.c_str(), file.c_str()) != 0) {
        const std::string renameReason = lastError();
        unlink(temporary.c_str());
        return renameReason;
    }
    return "";
}

} // namespace Velmora
