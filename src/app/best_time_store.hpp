#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <utility>

namespace Velmora {

// The player's best round time for each shower, kept between runs in one small text file: a line per shower,
// its rate, its length and the best time in seconds. A file that cannot be read or is not such a file is
// reported in one line and left as it is, so no best the player had is ever lost; the game plays on without.
class BestTimeStore {
public:
    // The file the game keeps: best-time in the player's data folder.
    static std::filesystem::path playerFile();

    // Reads the file at once, reporting a missing or bad one in a line.
    explicit BestTimeStore(std::filesystem::path file);

    std::optional<double> best(int rate, int duration) const;
    // A time above the shower's best becomes its best and the file is written anew; returns whether it did.
    // A failed write is reported in a line, and the file keeps the old best.
    bool offer(int rate, int duration, double seconds);

private:
    void read();

    std::filesystem::path file;
    std::map<std::pair<int, int>, double> bests;
    // Off while the file holds something the game cannot read, which a write would destroy.
    bool writable = true;
};

} // namespace Velmora
