#include "storage/SettingsStore.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>

#include "TempFolder.h"

namespace korvat::storage {
namespace {

using namespace korvat::testing;

std::array<uint32_t, 6> fields(const Settings& s) {
    return {s.bestScore, s.soundOn, s.jumpDelay, s.moveDelay, s.explosionDelay, s.appearDelay};
}

class SettingsStoreTest : public ::testing::Test {
  protected:
    TempFolder folder;
    std::string path = folder.file("registry");
    platform::KeyValueStore store{path};
};

TEST_F(SettingsStoreTest, FirstRunKeepsDefaultsThenAllSixAreSavedInOrderAndWin) {
    Settings settings{100, 0, 7, 7, 7, 7};  // the best score is the table's, taken before
    loadSettings(settings, store);
    EXPECT_EQ(fields(settings), fields(Settings{100, 1, 100, 100, 100, 100}));
    EXPECT_FALSE(std::filesystem::exists(path)) << "reading never creates the store";

    saveSettings(Settings{300, 0, 10, 20, 30, 0}, store);
    EXPECT_EQ(readText(path),
              "; Korvat per-user settings\n"
              "[Korvat]\n"
              "maxmark=dword:0000012c\n"
              "playsound=dword:00000000\n"
              "jump=dword:0000000a\n"
              "move=dword:00000014\n"
              "bum=dword:0000001e\n"
              "appear=dword:00000000\n");
    Settings loaded{900, 1, 1, 1, 1, 1};  // a stored best score wins even when lower
    loadSettings(loaded, store);
    EXPECT_EQ(fields(loaded), fields(Settings{300, 0, 10, 20, 30, 0}));
}

TEST_F(SettingsStoreTest, OnlyTheLengthCountsNotTheStoredType) {
    writeText(path,
              "[Korvat]\n"
              "jump=hex(4):05,00\n"        // too short: missing
              "move=hex:06,00,00,00,00\n"  // too long: missing
              "bum=hex(1):07,00,00,00\n"   // four bytes of another type: read
              "appear=dword:0000000g\n"    // damaged: missing
              "playsound=dword:00000000\n");
    Settings settings{};
    loadSettings(settings, store);
    EXPECT_EQ(fields(settings), fields(Settings{0, 0, 100, 100, 7, 100}));
}

TEST_F(SettingsStoreTest, DamagedStoreGivesDefaultsAndIsRepairedWithoutLosingLines) {
    const std::string damaged = std::string("\xff\xfe\0garbage\n[Korvat\nmaxmark=", 23);
    writeText(path, damaged);
    Settings settings{};
    settings.bestScore = 123;
    loadSettings(settings, store);
    EXPECT_EQ(settings.bestScore, 123u);
    EXPECT_EQ(settings.moveDelay, 100u);

    settings.moveDelay = 40;
    saveSettings(settings, store);
    EXPECT_EQ(readText(path).substr(0, damaged.size()), damaged);
    Settings again{};
    loadSettings(again, store);
    EXPECT_EQ(again.bestScore, 123u);
    EXPECT_EQ(again.moveDelay, 40u);
}

TEST_F(SettingsStoreTest, AnUnwritableStoreIsReportedAndChangesNothing) {
    writeText(folder.file("korvat"), "a file where the folder should be");
    platform::KeyValueStore blocked{folder.file("korvat/registry")};
    saveSettings(Settings{1, 0, 1, 1, 1, 1}, blocked);
    EXPECT_FALSE(writeSettingsValue(blocked, kMoveDelayValue, 5));
    EXPECT_EQ(readText(folder.file("korvat")), "a file where the folder should be");
}

}  // namespace
}  // namespace korvat::storage
