#include "platform/console_output.hpp"

#include <chrono>
#include <condition_variable>
#include <io.h>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <windows.h>

namespace Velmora {
namespace {

// A failed output takes everything: the lines to it are lost anyway.
void writeWhole(HANDLE output, const char* text, std::size_t length) {
    std::size_t done = 0;
    DWORD taken = 0;
    while (done < length &&
           WriteFile(output, text + done, static_cast<DWORD>(length - done), &taken, nullptr) != 0) {
        done += taken;
    }
}

// A pipe on Windows cannot be written without the risk of waiting for its reader, so a thread of the pipe's
// own does the waiting: a text is handed to it whole, and while it is still writing, the next text waits in
// the backlog. Files and consoles take a write at once.
class OutputWriter {
public:
    explicit OutputWriter(HANDLE output) : output(output) {
        std::thread([this] { run(); }).detach();
    }

    std::size_t hand(const char* text, std::size_t length) {
        const std::lock_guard<std::mutex> lock(mutex);
        if (busy) {
            return 0;
        }
        pending.assign(text, length);
        busy = true;
        wake.notify_one();
        return length;
    }

    void waitUntilWritten(std::chrono::milliseconds patience) {
        std::unique_lock<std::mutex> lock(mutex);
        written.wait_for(lock, patience, [this] { return !busy; });
    }

private:
    void run() {
        std::unique_lock<std::mutex> lock(mutex);
        while (true) {
            wake.wait(lock, [this] { return busy; });
            const std::string text = pending;
            lock.unlock();
            writeWhole(output, text.data(), text.size());
            lock.lock();
            busy = false;
            written.notify_all();
        }
    }

    HANDLE output;
    std::mutex mutex;
    std::condition_variable wake;
    std::condition_variable written;
    std::string pending;
    bool busy = false;
};

// Each pipe's writer lives as long as the program: its thread may still be writing when the program ends. The
// handle is looked up at every write, as a descriptor may be pointed elsewhere meanwhile.
OutputWriter* writerOf(HANDLE pipe) {
    static std::map<HANDLE, OutputWriter*> writers;
    OutputWriter*& writer = writers[pipe];
    if (writer == nullptr) {
        writer = new OutputWriter(pipe);
    }
    return writer;
}

HANDLE handleOf(int descriptor) {
    return reinterpret_cast<HANDLE>(_get_osfhandle(descriptor));
}

} // namespace

std::size_t writeWithoutWaiting(int descriptor, const char* text, std::size_t length) {
    const HANDLE output = handleOf(descriptor);
    if (output == INVALID_HANDLE_VALUE) {
        return length;
    }
    if (GetFileType(output) != FILE_TYPE_PIPE) {
        writeWhole(output, text, length);
        return length;
    }
    return writerOf(output)->hand(text, length);
}

void finishOutput(int descriptor, int patienceMs) {
    const HANDLE output = handleOf(descriptor);
    if (output != INVALID_HANDLE_VALUE && GetFileType(output) == FILE_TYPE_PIPE) {
        writerOf(output)->waitUntilWritten(std::chrono::milliseconds(patienceMs));
    }
}

} // namespace Velmora
