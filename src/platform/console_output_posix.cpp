#include "platform/console_output.hpp"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace Velmora {

std::size_t writeWithoutWaiting(int descriptor, const char* text, std::size_t length) {
    // The open output is often shared with the shell and other programs, so it is non-blocking only for the
    // moment of this write and left in the mode it was found in.
    const int mode = fcntl(descriptor, F_GETFL);
    const bool switchMode = mode != -1 && (mode & O_NONBLOCK) == 0;
    if (switchMode) {
        fcntl(descriptor, F_SETFL, mode | O_NONBLOCK);
    }
    ssize_t written = 0;
    do {
        written = write(descriptor, text, length);
    } while (written == -1 && errno == EINTR);
    const int error = errno;
    if (switchMode) {
        fcntl(descriptor, F_SETFL, mode);
    }
    if (written >= 0) {
        return static_cast<std::size_t>(written);
    }
    return error == EAGAIN || error == EWOULDBLOCK ? 0 : length;
}

// A write here is done when it returns.
void finishOutput(int, int) {}

} // namespace Velmora
