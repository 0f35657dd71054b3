#include "app/best_time_store.hpp"

#include "platform/console.hpp"
#include "platform/player_data.hpp"
#include "platform/system_folders.hpp"

#include <cerrno>
#include <cmath>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

namespace Velmora {

std::filesystem::path BestTimeStore::playerFile() {
    const std::filesystem::path folder = playerDataFolder();
    return folder.empty() ? folder : folder / "best-time";
}

BestTimeStore::BestTimeStore(std::filesystem::path file) : file(std::move(file)) {
    read();
}

void BestTimeStore::read() {
    if (file.empty()) {
        writable = false;
        return printLine("No best time is kept: neither XDG_DATA_HOME nor HOME names a folder");
    }
    std::ifstream in(file);
    if (!in) {
        const int error = errno;
        writable = error == ENOENT;
        return printLine(writable ? "No best time yet; it will be kept in " + file.string()
                                  : file.string() +
                                        " - Error: cannot read the best time: " + std::strerror(error));
    }
    for (std::string line; std::getline(in, line);) {
        std::istringstream fields(line);
        int rate = 0;
        int duration = 0;
        double seconds = 0.0;
        std::string rest;
        if (!(fields >> rate >> duration >> seconds) || fields >> rest || !std::isfinite(seconds) ||
            seconds < 0.0) {
            bests.clear();
            writable = false;
            return printLine(file.string() + " - Error: not a best-time file; it is left as it is");
        }
        bests[{rate, duration}] = seconds;
    }
}

std::optional<double> BestTimeStore::best(int rate, int duration) const {
    const auto found = bests.find({rate, duration});
    return found == bests.end() ? std::nullopt : std::optional<double>(found->second);
}

bool BestTimeStore::offer(int rate, int duration, double seconds) {
    const std::optional<double> old = best(rate, duration);
    if (old && seconds <= *old) {
        return false;
    }
    bests[{rate, duration}] = seconds;
    if (!writable) {
        return true;
    }
    std::ostringstream contents;
    contents.precision(17);
    for (const auto& [shower, time] : bests) {
        contents << shower.first << ' ' << shower.second << ' ' << time << '\n';
    }
    const std::string reason = replaceFile(file, contents.str());
    if (!reason.empty()) {
        printLine(file.string() + " - Error: cannot save the best time: " + reason);
    }
    return true;
}

} // namespace Velmora
