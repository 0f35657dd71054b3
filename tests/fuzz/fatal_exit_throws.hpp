#pragma once

namespace FuzzSupport {

// Thrown where the game would end the program after a fatal error, so that one input's fatal error returns to
// the fuzz target instead of looking like a crash.
struct FatalExit {};

// Runs one reader of the game on the current input; a fatal error is one of its expected outcomes. Returns
// whether the reader finished.
template <typename Reader> bool finishesWithoutFatalError(Reader&& read) {
    try {
        read();
        return true;
    } catch (const FatalExit&) {
        return false;
    }
}

} // namespace FuzzSupport
