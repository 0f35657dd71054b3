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
using Lines = std::vector<std::string>;

TEST(BestTimeStore, KeepsEachShowersBestBetweenRunsNeverLowersItAndLeavesABadFileAsItIs) {
    const TestFolder folder;
    const std::filesystem::path file = folder.path() / "data/velmora/best-time";
    Lines heard;
    setLineListener([&heard](const std::string& line) { heard.push_back(line); });
    BestTimeStore store(file);
    EXPECT_TRUE(store.offer(2, 3, 5.25));
    EXPECT_FALSE(store.offer(2, 3, 5.25) || store.offer(2, 3, 4.0));
    EXPECT_TRUE(store.offer(500, 60, 12.5) && store.offer(500, 60, 13.0));
    const BestTimeStore again(file);
    EXPECT_EQ(again.best(2, 3), 5.25);
    EXPECT_EQ(again.best(500, 60), 13.0);
    EXPECT_EQ(again.best(3, 2), std::nullopt);
    // Replaced whole through a file beside it, which the rename takes away.
    EXPECT_FALSE(std::filesystem::exists(file.string() + ".new"));
    EXPECT_EQ(heard, Lines{"No best time yet; it will be kept in " + file.string()});

    heard.clear();
    for (const char* corrupt : {"2 3 five\n", "2 3 5.0 more\n", "2 3 -1\n", "2 3 nan\n"}) {
        folder.writeFile("best-time", corrupt);
        BestTimeStore bad(folder.path() / "best-time");
        EXPECT_EQ(bad.best(2, 3), std::nullopt) << corrupt;
        EXPECT_TRUE(bad.offer(2, 3, 9.0));
        std::ostringstream kept;
        kept << std::ifstream(folder.path() / "best-time").rdbuf();
        EXPECT_EQ(kept.str(), corrupt);
    }
    EXPECT_EQ(heard, Lines(4, (folder.path() / "best-time").string() +
                                  " - Error: not a best-time file; it is left as it is"));

    // A folder in the way of the file: said at the write, the best kept for the run.
    heard.clear();
    folder.writeFile("taken/best-time/old", "");
    BestTimeStore blocked(folder.path() / "taken/best-time");
    EXPECT_TRUE(blocked.offer(2, 3, 9.0));
    EXPECT_EQ(blocked.best(2, 3), 9.0);
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_EQ(heard[0].rfind((folder.path() / "taken/best-time").string() + " - Error: cannot save", 0), 0u);
    setLineListener(nullptr);

    const ScopedEnvironment dataHome("XDG_DATA_HOME", "share");
    const ScopedEnvironment home("HOME", "/home/player");
    EXPECT_EQ(BestTimeStore::playerFile(), "/home/player/.local/share/velmora/best-time");
    const ScopedEnvironment absolute("XDG_DATA_HOME", "/data/share");
    EXPECT_EQ(BestTimeStore::playerFile(), "/data/share/velmora/best-time");
}
