#include "app/settings_files.hpp"
#include "support/fatal_exit.hpp"
#include "support/scoped_environment.hpp"
#include "support/test_folder.hpp"

#include <gtest/gtest.h>

using namespace Velmora;
using TestSupport::ScopedEnvironment;
using TestSupport::TestFolder;

TEST(UserSettingsFolder, FollowsTheXdgRulesForAbsolutePathsOnly) {
    const ScopedEnvironment home("HOME", "/home/player");
    {
        const ScopedEnvironment configHome("XDG_CONFIG_HOME", "/data/config");
        EXPECT_EQ(userSettingsFolder(), "/data/config/velmora");
    }
    for (const char* ignored : {"relative/config", "", "~/config"}) {
        const ScopedEnvironment configHome("XDG_CONFIG_HOME", ignored);
        EXPECT_EQ(userSettingsFolder(), "/home/player/.config/velmora") << "XDG_CONFIG_HOME=" << ignored;
    }
    const ScopedEnvironment unset("XDG_CONFIG_HOME", nullptr);
    EXPECT_EQ(userSettingsFolder(), "/home/player/.config/velmora");
    const ScopedEnvironment relativeHome("HOME", "player");
    EXPECT_EQ(userSettingsFolder(), "");
}

TEST(SettingsFilePath, ThePlayersFileTakesThePlaceOfTheInstalledOneOfTheSameName) {
    TestFolder folder;
    const std::string own = (folder.path() / "settings/velmora/fullscreenConfig.txt").string();
    EXPECT_EQ(settingsFilePath("fullscreenConfig.txt"), "Config/fullscreenConfig.txt");
    {
        const ScopedEnvironment configHome("XDG_CONFIG_HOME", nullptr);
        const ScopedEnvironment home("HOME", nullptr);
        EXPECT_EQ(settingsFilePath("fullscreenConfig.txt"), "Config/fullscreenConfig.txt");
    }

    folder.writeFile("settings/velmora/fullscreenConfig.txt", "true\n640\n480\n");
    EXPECT_EQ(settingsFilePath("fullscreenConfig.txt"), own);
    EXPECT_EQ(settingsFilePath("asteroidSpawnerConfig.txt"), "Config/asteroidSpawnerConfig.txt");

    // Something the player put there that cannot be read is still theirs, so its error can name it.
    std::filesystem::remove(own);
    std::filesystem::create_symlink(folder.path() / "nowhere", own);
    EXPECT_EQ(settingsFilePath("fullscreenConfig.txt"), own);
    std::filesystem::remove(own);
    std::filesystem::create_directory(own);
    EXPECT_EQ(settingsFilePath("fullscreenConfig.txt"), own);
}

TEST(SettingsFilePathDeathTest, AFolderWhoseContentsCannotBeKnownIsNamed) {
    // Like a folder the player may not search, a loop of links hides whether the file is there.
    TestFolder folder;
    std::filesystem::create_symlink(folder.path() / "loop", folder.path() / "loop");
    const ScopedEnvironment configHome("XDG_CONFIG_HOME", (folder.path() / "loop").c_str());
    EXPECT_FATAL_LINE(
        settingsFilePath("fullscreenConfig.txt"),
        (folder.path() / "loop/velmora").string() +
            " - Error: cannot tell whether this settings folder holds fullscreenConfig.txt: Too "
            "many levels of symbolic links");
}
