// The two records the game keeps in binary: a saved game and the high-score table "top.ten".
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>

#include "TempFolder.h"
#include "storage/HighScoreFile.h"
#include "storage/SavedGameFile.h"

namespace korvat::storage {
namespace {

using namespace korvat::testing;

// A Block game at 3723 s, score 0x01020304, colour 1 at column 1, row 0 and 7 at column 8, row 8.
SavedGame sampleGame() {
    SavedGame game{3723, 0x01020304, 1, 0, {}};
    std::fill(std::begin(game.board.cells), std::end(game.board.cells), EMPTY);
    game.board.at(1, 0) = 1;
    game.board.at(8, 8) = 7;
    return game;
}

// The same game as stored: four numbers, then the cells column by column.
std::string sampleBytes() {
    std::string bytes("\x8b\x0e\0\0\x04\x03\x02\x01\x01\0\0\0\0\0\0\0", 16);
    for (int i = 0; i < kCellCount; ++i) {
        bytes += le32(i == 9 ? 1 : i == 80 ? 7 : EMPTY);
    }
    return bytes;
}

// Ten rows with scores out of order; row 3 carries a name of 16 units without a zero unit.
std::string sampleFile() {
    const uint32_t scores[kHighScoreRows] = {50, 700, 20, 90, 90, 10, 5, 3, 2, 1};
    std::string bytes;
    for (int r = 0; r < kHighScoreRows; ++r) {
        for (int u = 0; u < kNameUnits; ++u) {
            const char16_t unit = r == 3 ? u'\u0410' + u : u < 3 ? u"Ann"[u] : u < 15 ? u' ' : 0;
            bytes += {char(unit & 0xff), char(unit >> 8)};
        }
        bytes += le32(scores[r]) + le32(r) + le32(59) + le32(1);
    }
    return bytes;
}

// Refusing damaged records is the saved-game fuzzer's and the replay scripts' to show.
TEST(SavedGameFile, SavingIsByteExactAndAtomic) {
    TempFolder folder;
    const std::string path = folder.file("game.kvt");
    writeText(path, std::string(1000, 'x'));
    ASSERT_TRUE(saveGameToFile(path, sampleGame()));
    EXPECT_EQ(readText(path), sampleBytes());
    SavedGame game = sampleGame();
    game.score = 999;
    EXPECT_FALSE(saveGameToFile(path, game, failHalfway));
    EXPECT_EQ(readText(path), sampleBytes()) << "a failed write leaves the old file whole";
    EXPECT_FALSE(saveGameToFile(folder.file("new.kvt"), game, failHalfway));
    EXPECT_EQ(folder.entryCount(), 1) << "no temporary and no new file";
    EXPECT_FALSE(saveGameToFile(folder.path, game)) << "a folder is not replaced";
}

TEST(HighScoreFile, LoadKeepsFileOrderSaveWritesTheSameBytesOtherSizesCountAsMissing) {
    TempFolder folder;
    const std::string path = folder.file("top.ten");
    writeText(path, sampleFile());
    HighScoreTable table;
    makeDefaultHighScores(table);
    const HighScoreTable defaults = table;
    ASSERT_TRUE(loadHighScores(path, table));
    EXPECT_EQ(table.highest, 700u);
    EXPECT_EQ(table.lowest, 1u);
    EXPECT_EQ(storedNameLength(table.entries[3]), 16);  // a name without its zero unit
    ASSERT_TRUE(saveHighScores(path, table));
    EXPECT_EQ(readText(path), sampleFile());
    EXPECT_FALSE(saveHighScores(path, defaults, failHalfway));
    EXPECT_EQ(readText(path), sampleFile()) << "a failed write leaves the old file";
    EXPECT_EQ(folder.entryCount(), 1);

    writeText(path, sampleFile() + '\0');
    table = defaults;
    EXPECT_FALSE(loadHighScores(path, table));
    EXPECT_EQ(table.entries[0].name[0], u'T') << "rows untouched";
}

TEST(HighScorePath, StaysBesideAWritableProgramFolderElseGoesToTheUserDataFolder) {
    TempFolder data;
    EXPECT_EQ(highScoreFileFor(data.path), data.file("top.ten"));
    EXPECT_EQ(data.entryCount(), 0) << "no probe file is left behind";
    EXPECT_EQ(highScorePath(""), "");
    const std::string fits = std::string(platform::kMaxPathBytes - 8, 'd') + "/";
    EXPECT_EQ(highScorePath(fits).size(), platform::kMaxPathBytes);
    EXPECT_EQ(highScorePath("d" + fits), "") << "a path too long is not cut into another one";
    EXPECT_EQ(std::filesystem::read_symlink("/proc/self/exe").parent_path().string() + "/",
              platform::programDirectory());

    setenv("XDG_DATA_HOME", data.path.c_str(), 1);
    // Neither a missing folder nor /proc takes a new file, whoever runs the test (root too).
    EXPECT_EQ(highScoreFileFor(data.file("gone/")), data.file("korvat/top.ten"));
    const std::string path = highScoreFileFor("/proc/self/");
    ASSERT_EQ(path, data.file("korvat/top.ten"));
    // An installed game keeps scores per user, also for root, who could write beside it.
    EXPECT_EQ(highScoreFileFor("/usr/local/bin"), path);

    // The table is written there, folder made, and read back from there.
    HighScoreTable table;
    makeDefaultHighScores(table);
    ASSERT_TRUE(saveHighScores(path, table));
    EXPECT_TRUE(loadHighScores(highScoreFileFor("/proc/self/"), table));
}

}  // namespace
}  // namespace korvat::storage
