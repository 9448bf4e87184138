#include "storage/SavedGameFile.h"

#include <gtest/gtest.h>

#include <utility>

#include "TempFolder.h"

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

TEST(SavedGameFile, SavingIsByteExactAndAtomicLoadingRefusesRecordsThatWouldBreakTheGame) {
    TempFolder folder;
    const std::string path = folder.file("game.kvt");
    writeText(path, std::string(1000, 'x'));
    ASSERT_TRUE(saveGameToFile(path, sampleGame()));
    EXPECT_EQ(readText(path), sampleBytes());
    SavedGame game{};
    ASSERT_TRUE(loadGameFromFile(path, game));
    EXPECT_EQ(game, sampleGame());
    game.score = 999;
    EXPECT_FALSE(saveGameToFile(path, game, failHalfway));
    EXPECT_EQ(readText(path), sampleBytes()) << "a failed write leaves the old file whole";
    EXPECT_FALSE(saveGameToFile(folder.file("new.kvt"), game, failHalfway));
    EXPECT_EQ(folder.entryCount(), 1) << "no temporary and no new file";
    EXPECT_FALSE(saveGameToFile(folder.path, game)) << "a folder is not replaced";

    // Offset and value: both rule flags off, Lines flag 2, a cell of colour 0, a cell of -2.
    const std::pair<size_t, int32_t> damages[] = {{8, 0}, {12, 2}, {16, 0}, {16 + 4 * 80, -2}};
    for (const auto& [offset, value] : damages) {
        writeText(path, sampleBytes().replace(offset, 4, le32(value)));
        game = sampleGame();
        EXPECT_FALSE(loadGameFromFile(path, game)) << offset;
        EXPECT_EQ(game, sampleGame());
    }
}

}  // namespace
}  // namespace korvat::storage
