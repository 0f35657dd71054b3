#include "fuzz/fatal_exit_throws.hpp"
#include "platform/fatal_exit.hpp"

namespace Velmora {

// Unwinding instead of exiting also releases what the reader held (open files, half-filled arrays), so the
// fuzzer's memory stays flat over millions of fatal errors.
void exitAfterFatalError() {
    throw FuzzSupport::FatalExit{};
}

} // namespace Velmora
