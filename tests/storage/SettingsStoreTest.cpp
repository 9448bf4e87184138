#include "storage/SettingsStore.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "TempFolder.h"

namespace korvat::storage {
namespace {

using testing::readText;
using testing::TempFolder;
using testing::writeText;

class SettingsStoreTest : public ::testing::Test {
  protected:
    void storeText(const std::string& text) {
        std::filesystem::create_directories(folder.file("korvat"));
        writeText(path, text);
    }

    TempFolder folder;
    std::string path = folder.file("korvat/registry");
    platform::KeyValueStore store{path};
};

TEST_F(SettingsStoreTest, FirstRunKeepsTheTableBestScoreAndTheDefaults) {
    Settings settings{};
    settings.bestScore = 100;  // the table's highest score, taken before the settings
    settings.soundOn = 0;
    settings.moveDelay = 7;
    loadSettings(settings, store);
    const Settings defaults{};
    EXPECT_EQ(settings.bestScore, 100u);
    EXPECT_EQ(settings.soundOn, defaults.soundOn);
    EXPECT_EQ(settings.jumpDelay, 100u);
    EXPECT_EQ(settings.moveDelay, 100u);
    EXPECT_EQ(settings.explosionDelay, 100u);
    EXPECT_EQ(settings.appearDelay, 100u);
    EXPECT_FALSE(std::filesystem::exists(path)) << "reading never creates the store";
}

TEST_F(SettingsStoreTest, SavesAllSixValuesInOrderAndReadsThemBack) {
    const Settings saved{300, 0, 10, 20, 30, 0};
    saveSettings(saved, store);
    const std::string text = readText(path);
    EXPECT_NE(text.find("[Korvat]\n"
                        "maxmark=dword:0000012c\n"
                        "playsound=dword:00000000\n"
                        "jump=dword:0000000a\n"
                        "move=dword:00000014\n"
                        "bum=dword:0000001e\n"
                        "appear=dword:00000000\n"),
              std::string::npos)
        << text;
    Settings loaded{};
    loaded.bestScore = 5;
    loadSettings(loaded, store);
    EXPECT_EQ(loaded.bestScore, 300u);
    EXPECT_EQ(loaded.soundOn, 0u);
    EXPECT_EQ(loaded.jumpDelay, 10u);
    EXPECT_EQ(loaded.moveDelay, 20u);
    EXPECT_EQ(loaded.explosionDelay, 30u);
    EXPECT_EQ(loaded.appearDelay, 0u);
}

TEST_F(SettingsStoreTest, AStoredBestScoreWinsEvenWhenLowerThanTheTable) {
    storeText("[Korvat]\nmaxmark=dword:00000032\n");
    Settings settings{};
    settings.bestScore = 900;
    loadSettings(settings, store);
    EXPECT_EQ(settings.bestScore, 50u);
}

TEST_F(SettingsStoreTest, MissingSoundSwitchIsOnWhileStoredDelaysApply) {
    storeText(
        "[Korvat]\njump=dword:00000001\nmove=dword:00000002\nbum=dword:00000003\n"
        "appear=dword:00000004\n");
    Settings settings{};
    settings.soundOn = 0;
    loadSettings(settings, store);
    EXPECT_EQ(settings.soundOn, 1u);
    EXPECT_EQ(settings.jumpDelay, 1u);
    EXPECT_EQ(settings.moveDelay, 2u);
    EXPECT_EQ(settings.explosionDelay, 3u);
    EXPECT_EQ(settings.appearDelay, 4u);
}

TEST_F(SettingsStoreTest, OnlyTheLengthCountsNotTheStoredType) {
    storeText(
        "[Korvat]\n"
        "jump=hex(4):05,00\n"        // too short: missing
        "move=hex:06,00,00,00,00\n"  // too long: missing
        "bum=hex(1):07,00,00,00\n"   // four bytes of another type: read
        "appear=dword:0000000g\n"    // damaged: missing
        "playsound=dword:00000000\n");
    Settings settings{};
    loadSettings(settings, store);
    EXPECT_EQ(settings.jumpDelay, 100u);
    EXPECT_EQ(settings.moveDelay, 100u);
    EXPECT_EQ(settings.explosionDelay, 7u);
    EXPECT_EQ(settings.appearDelay, 100u);
    EXPECT_EQ(settings.soundOn, 0u);
}

TEST_F(SettingsStoreTest, DamagedStoreGivesDefaultsAndIsRepairedWithoutLosingLines) {
    const std::string damaged = std::string("\xff\xfe\0garbage\n[Korvat\nmaxmark=", 23);
    storeText(damaged);
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

TEST_F(SettingsStoreTest, UnknownKeysAndValuesSurviveASave) {
    storeText(
        "; hand-written\n[Other]\nmaxmark=dword:00000001\n"
        "[Korvat]\ncolour=hex(1):41,00\nmaxmark=dword:00000002\n");
    saveSettings(Settings{500, 1, 100, 100, 100, 100}, store);
    const std::string text = readText(path);
    EXPECT_EQ(text.rfind("; hand-written\n[Other]\nmaxmark=dword:00000001\n"
                         "[Korvat]\ncolour=hex(1):41,00\nmaxmark=dword:000001f4\n",
                         0),
              0u)
        << text;
    uint32_t other = 0;
    platform::StoreKey key;
    ASSERT_TRUE(store.openKey("Other", key));
    uint8_t bytes[4];
    ASSERT_TRUE(store.queryValue(key, "maxmark", bytes, 4));
    other = bytes[0];
    EXPECT_EQ(other, 1u);
}

TEST_F(SettingsStoreTest, SingleValuesForTheOptionsDialog) {
    uint32_t value = 77;
    EXPECT_FALSE(readSettingsValue(store, kJumpDelayValue, value));
    EXPECT_EQ(value, 77u);
    ASSERT_TRUE(writeSettingsValue(store, kJumpDelayValue, 250));
    ASSERT_TRUE(writeSettingsValue(store, kSoundValue, 0));
    EXPECT_TRUE(readSettingsValue(store, kJumpDelayValue, value));
    EXPECT_EQ(value, 250u);
    EXPECT_TRUE(readSettingsValue(store, kSoundValue, value));
    EXPECT_EQ(value, 0u);
    EXPECT_FALSE(readSettingsValue(store, kMoveDelayValue, value));
}

TEST_F(SettingsStoreTest, AnUnwritableStoreIsSilentAndChangesNothing) {
    writeText(folder.file("korvat"), "a file where the folder should be");
    saveSettings(Settings{1, 0, 1, 1, 1, 1}, store);
    EXPECT_FALSE(writeSettingsValue(store, kMoveDelayValue, 5));
    Settings settings{};
    settings.bestScore = 42;
    loadSettings(settings, store);
    EXPECT_EQ(settings.bestScore, 42u);
    EXPECT_EQ(settings.soundOn, 1u);
    EXPECT_EQ(readText(folder.file("korvat")), "a file where the folder should be");
}

}  // namespace
}  // namespace korvat::storage
