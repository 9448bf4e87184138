#include "storage/SettingsStore.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <random>

#include "TempFolder.h"

namespace korvat::storage {
namespace {

using namespace korvat::testing;

struct SettingsStoreTest : ::testing::Test {
    TempFolder folder;
    std::string path = folder.file("korvat.conf");
    SettingsStore store{path};
};

TEST_F(SettingsStoreTest, AllSixInDecimalEachFallingBackAloneAndUnknownLinesKept) {
    Settings settings{100, 0, 7, 7, 7, 7};  // the best score is the table's, taken before
    loadSettings(settings, store);
    EXPECT_EQ(settings, (Settings{100, 1, 100, 100, 100, 100}));
    EXPECT_FALSE(std::filesystem::exists(path)) << "reading never creates the file";

    saveSettings(Settings{300, 0, 10, 20, 4294967295u, 0}, store);
    EXPECT_EQ(readText(path),
              "# Korvat settings\nmaxmark=300\nplaysound=0\njump=10\nmove=20\n"
              "bum=4294967295\nappear=0\n");
    Settings loaded{900, 1, 1, 1, 1, 1};  // a stored best score wins even when lower
    loadSettings(loaded, store);
    EXPECT_EQ(loaded, (Settings{300, 0, 10, 20, 4294967295u, 0}));
    EXPECT_EQ(folder.entryCount(), 1);

    // A damaged value falls back alone; unknown lines are kept on rewrite.
    const std::string before =
        "; an old comment\n"
        "\xff\xfe garbage\r\n"
        "jump=4294967296\n"  // over 32 bits
        "move = 7 \r\n"
        "bum=-1\n"
        "appear=0x10\n"
        "colour=blue\n"
        "playsound=0";
    writeText(path, before);
    settings = {};
    loadSettings(settings, store);
    EXPECT_EQ(settings, (Settings{0, 0, 100, 7, 100, 100}));

    ASSERT_TRUE(store.write(kJumpDelayValue, 5));
    ASSERT_TRUE(store.write(kBestScoreValue, 12));
    std::string after = before;
    after.replace(after.find("4294967296"), 10, "5");
    EXPECT_EQ(readText(path), after + "\nmaxmark=12\n");
}

TEST_F(SettingsStoreTest, AFileThatCannotBeReadWholeIsMovedAsideOnceAndAFreshOneWritten) {
    std::string noise(10 << 20, '\0');
    std::generate(noise.begin(), noise.end(), std::mt19937(7));
    writeText(path, noise);
    Settings settings{};
    loadSettings(settings, store);
    EXPECT_EQ(settings.moveDelay, 100u);

    ::testing::internal::CaptureStderr();
    ASSERT_TRUE(store.write(kMoveDelayValue, 40));
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_NE(said.find(path + ".unreadable"), std::string::npos) << said;
    EXPECT_EQ(readText(path), "# Korvat settings\nmove=40\n");
    EXPECT_TRUE(readText(path + ".unreadable") == noise);

    // Another one is never put over the first; the settings then stay unsaved.
    writeText(path, noise.substr(1));
    EXPECT_FALSE(store.write(kMoveDelayValue, 50));
    EXPECT_TRUE(readText(path + ".unreadable") == noise);
    EXPECT_EQ(folder.entryCount(), 2);
}

TEST(SettingsFilePlace, FollowsXdgConfigHomeAndIgnoresRelativeOnes) {
    TempFolder folder;
    setenv("XDG_CONFIG_HOME", folder.path.c_str(), 1);
    EXPECT_EQ(SettingsStore().filePath(), folder.file("korvat/korvat.conf"));
    setenv("XDG_CONFIG_HOME", "relative/dir", 1);
    setenv("HOME", folder.path.c_str(), 1);
    EXPECT_EQ(SettingsStore::defaultPath(), folder.file(".config/korvat/korvat.conf"));

    // A file where the folder should be: nothing is written, nothing changed.
    writeText(folder.file("korvat"), "not a folder");
    SettingsStore blocked{folder.file("korvat/korvat.conf")};
    EXPECT_FALSE(blocked.write(kMoveDelayValue, 5));
    EXPECT_EQ(readText(folder.file("korvat")), "not a folder");
}

}  // namespace
}  // namespace korvat::storage
