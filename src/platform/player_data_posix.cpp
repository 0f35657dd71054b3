#include "platform/player_data.hpp"

#include <cerrno>
#include <cstdio>
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

} // namespace

// A disk that is full or gone shows at the write, the flush or the close; the file is removed after each.
std::string writeFlushedFile(const std::filesystem::path& temporary, const std::string& contents) {
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

std::string moveFileOver(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (std::rename(from.c_str(), to.c_str()) != 0) {
        const std::string reason = lastError();
        unlink(from.c_str());
        return reason;
    }
    return "";
}

} // namespace Velmora
