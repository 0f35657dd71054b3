#include "platform/console.hpp"

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace Velmora {

void prepareConsole() {
    // A closed descriptor would be handed to the next file opened, such as the X connection, and every
    // message would then be written into it. Opening takes the lowest free descriptor, so going up from 0
    // fills each gap in turn; without a /dev/null there is nothing better to fill it with.
    for (int descriptor = STDIN_FILENO; descriptor <= STDERR_FILENO; ++descriptor) {
        if (fcntl(descriptor, F_GETFD) == -1) {
            open("/dev/null", O_RDWR);
        }
    }
    // The console is only for messages: once its reader is gone, writes fail and what they carried is
    // dropped.
    std::signal(SIGPIPE, SIG_IGN);
}

} // namespace Velmora
