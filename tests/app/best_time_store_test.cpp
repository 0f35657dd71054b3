#include "app/best_time_store.hpp"
#include "platform/console.hpp"
#include "support/scoped_environment.hpp"
#include "support/test_folder.hpp"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

using namespace Velmora;
using TestSupport::ScopedEnvironment;
using TestSupport::TestFolder;

namespace {

// The console lines printed while it lives.
class HeardLines {
public:
    HeardLines() {
        setLineListener([this](const std::string& line) { lines.push_back(line); });
    }
    ~HeardLines() { setLineListener(nullptr); }
    std::vector<std::string> lines;
};

std::string contentsOf(const std::filesystem::path& file) {
    std::ostringstream contents;
    contents << std::ifstream(file).rdbuf();
    return contents.str();
}

} // namespace

TEST(BestTimeStore, KeepsTheBestOfEachShowerBetweenRunsAndNeverLowersIt) {
    const TestFolder folder;
    const std::filesystem::path file = folder.path() / "data/velmora/best-time";
    HeardLines heard;
    {
        BestTimeStore store(file);
        EXPECT_EQ(heard.lines, std::vector<std::string>{file.string() + " - no best time kept yet"});
        EXPECT_TRUE(store.offer(2, 3, 5.25));
        EXPECT_FALSE(store.offer(2, 3, 5.25));
        EXPECT_FALSE(store.offer(2, 3, 4.0));
        EXPECT_TRUE(store.offer(500, 60, 12.5));
        EXPECT_TRUE(store.offer(500, 60, 13.0));
    }
    const BestTimeStore again(file);
    EXPECT_EQ(again.best(2, 3), 5.25);
    EXPECT_EQ(again.best(500, 60), 13.0);
    EXPECT_EQ(again.best(3, 2), std::nullopt);
    EXPECT_EQ(heard.lines.size(), 1u);
    // Replaced whole through a file beside it, which the rename takes away.
    EXPECT_FALSE(std::filesystem::exists(file.string() + ".new"));

    const ScopedEnvironment dataHome("XDG_DATA_HOME", "/data/share");
    EXPECT_EQ(BestTimeStore::playerFile(), "/data/share/velmora/best-time");
    const ScopedEnvironment relative("XDG_DATA_HOME", "share");
    const ScopedEnvironment home("HOME", "/home/player");
    EXPECT_EQ(BestTimeStore::playerFile(), "/home/player/.local/share/velmora/best-time");
}

TEST(BestTimeStore, AFileItCannotReadOrWriteIsNamedOnceAndKeptAsItIs) {
    const TestFolder folder;
    HeardLines heard;
    for (const char* corrupt : {"2 3 five\n", "2 3 5.0 more\n", "2 3 -1\n", "2 3 nan\n"}) {
        folder.writeFile("best-time", corrupt);
        BestTimeStore store(folder.path() / "best-time");
        EXPECT_EQ(store.best(2, 3), std::nullopt) << corrupt;
        EXPECT_TRUE(store.offer(2, 3, 9.0));
        EXPECT_EQ(contentsOf(folder.path() / "best-time"), corrupt);
    }
    EXPECT_EQ(heard.lines.size(), 4u);
    EXPECT_EQ(heard.lines[0],
              (folder.path() / "best-time").string() + " - Error: not a best-time file; it is left as it is");

    // A folder in the way of the file: reported at the write, the game's best kept for the run.
    heard.lines.clear();
    folder.writeFile("taken/best-time/old", "");
    BestTimeStore blocked(folder.path() / "taken/best-time");
    EXPECT_TRUE(blocked.offer(2, 3, 9.0));
    EXPECT_EQ(blocked.best(2, 3), 9.0);
    ASSERT_EQ(heard.lines.size(), 1u);
    EXPECT_EQ(heard.lines[0].rfind((folder.path() / "taken/best-time").string() + " - Error: cannot save", 0),
              0u);

    heard.lines.clear();
    BestTimeStore nowhere{std::filesystem::path()};
    EXPECT_TRUE(nowhere.offer(2, 3, 9.0));
    EXPECT_EQ(heard.lines, std::vector<std::string>{
                               "No best time is kept: neither XDG_DATA_HOME nor HOME names a folder"});
}
