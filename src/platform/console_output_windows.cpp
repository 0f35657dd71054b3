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

// A pipe on Windows cannot be written without the risk of waiting for its reader, so a thread of the output's
// own does the waiting: a text is handed to it whole, and while it is still writing, the next text waits in
// the backlog.
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
            writeAll(text);
            lock.lock();
            busy = false;
            written.notify_all();
        }
    }

    // A failed output takes everything: the lines to it are lost anyway.
    void writeAll(const std::string& text) const {
        std::size_t done = 0;
        DWORD taken = 0;
        while (done < text.size() &&
               WriteFile(output, text.data() + done, static_cast<DWORD>(text.size() - done), &taken,
                         nullptr) != 0) {
            done += taken;
        }
    }

    HANDLE output;
    std::mutex mutex;
    std::condition_variable wake;
    std::condition_variable written;
    std::string pending;
    bool busy = false;
};

// Each output's writer lives as long as the program: its thread may still be writing when the program ends.
OutputWriter* writerOf(int descriptor) {
    static std::map<int, OutputWriter*> writers;
    OutputWriter*& writer = writers[descriptor];
    if (writer == nullptr) {
        writer = new OutputWriter(reinterpret_cast<HANDLE>(_get_osfhandle(descriptor)));
    }
    return writer;
}

} // namespace

std::size_t writeWithoutWaiting(int descriptor, const char* text, std::size_t length) {
    if (_get_osfhandle(descriptor) == -1) {
        return length;
    }
    return writerOf(descriptor)->hand(text, length);
}

void finishOutput(int descriptor, int patienceMs) {
    if (_get_osfhandle(descriptor) != -1) {
        writerOf(descriptor)->waitUntilWritten(std::chrono::milliseconds(patienceMs));
    }
}

} // namespace Velmora
