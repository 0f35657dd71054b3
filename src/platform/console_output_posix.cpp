#include "platform/console_output.hpp"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <poll.h>
#include <unistd.h>

namespace Velmora {

// The output is often shared with the shell and other programs, so its mode is never touched: a signal
// between a switch and its undoing would leave the terminal non-blocking for them. A descriptor that polls
// ready takes at least PIPE_BUF bytes of a pipe at once, and a write of that much never waits for more room.
std::size_t writeWithoutWaiting(int descriptor, const char* text, std::size_t length) {
    pollfd ready{descriptor, POLLOUT, 0};
    // A count the compiler cannot see keeps the fortified poll, which checks it against the array at run
    // time; a constant one compiles to the bare call, and the package's hardening check reads that as
    // unfortified.
    volatile nfds_t count = 1;
    int polled = 0;
    do {
        polled = poll(&ready, count, 0);
    } while (polled == -1 && errno == EINTR);
    if (polled == 0) {
        return 0;
    }
    if (polled == -1 || (ready.revents & POLLOUT) == 0) {
        return length;
    }
    ssize_t written = 0;
    do {
        written = write(descriptor, text, std::min<std::size_t>(length, PIPE_BUF));
    } while (written == -1 && errno == EINTR);
    if (written >= 0) {
        return static_cast<std::size_t>(written);
    }
    return errno == EAGAIN || errno == EWOULDBLOCK ? 0 : length;
}

// A write here is done when it returns.
void finishOutput(int, int) {}

} // namespace Velmora
