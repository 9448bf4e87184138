#include "storage/SavedGameFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <utility>

#include "TempFolder.h"

namespace korvat::storage {
namespace {

using namespace korvat::testing;

// A Block game at 3723 s with score 0x01020304: a red ball (1) at column 1, row 0 and a
// colour-7 ball at column 8, row 8.
SavedGame sampleGame() {
    SavedGame game{3723, 0x01020304, 1, 0, {}};
    for (int32_t& cell : game.board.cells) {
        cell = EMPTY;
    }
    game.board.at(1, 0) = 1;
    game.board.at(8, 8) = 7;
    return game;
}

// The same game as stored: four numbers, then the cells column by column.
std::string sampleBytes() {
    std::string bytes("\x8b\x0e\0\0\x04\x03\x02\x01\x01\0\0\0\0\0\0\0", 16);
    for (int i = 0; i < kCellCount; ++i) {
        put32(bytes, i == 9 ? 1 : i == 80 ? 7 : 0xffffffffu);
    }
    return bytes;
}

void expectSample(const SavedGame& game) {
    EXPECT_EQ(game.score, sampleGame().score);
    EXPECT_EQ(game.board, sampleGame().board);
}

class SavedGameFileTest : public ::testing::Test {
  protected:
    TempFolder folder;
    std::string path = folder.file("game.kvt");
};

TEST_F(SavedGameFileTest, SavingIsByteExactAtomicAndLeavesNoTemporaryFile) {
    writeText(path, std::string(1000, 'x'));
    ASSERT_TRUE(saveGameToFile(path, sampleGame()));
    EXPECT_EQ(readText(path), sampleBytes());
    EXPECT_EQ(folder.entryCount(), 1u);
    SavedGame game{};
    ASSERT_TRUE(loadGameFromFile(path, game));
    expectSample(game);

    SavedGame other = sampleGame();
    other.score = 999;
    EXPECT_FALSE(saveGameToFile(path, other, failHalfway));
    EXPECT_EQ(readText(path), sampleBytes()) << "a failed write leaves the old file whole";
    EXPECT_EQ(folder.entryCount(), 1u);
    EXPECT_FALSE(saveGameToFile(folder.file("new.kvt"), other, failHalfway));
    EXPECT_FALSE(std::filesystem::exists(folder.file("new.kvt")));
}

TEST_F(SavedGameFileTest, RecordsThatWouldBreakTheGameAreRefusedAndChangeNothing) {
    // Offset and value: both rule flags off, Lines flag 2, a cell of colour 0, a cell of -2.
    const std::pair<size_t, uint32_t> damages[] = {
        {8, 0}, {12, 2}, {16, 0}, {16 + 4 * 80, 0xfffffffeu}};
    for (const auto& [offset, value] : damages) {
        std::string bytes = sampleBytes();
        std::string word;
        put32(word, value);
        writeText(path, bytes.replace(offset, 4, word));
        SavedGame game = sampleGame();
        EXPECT_FALSE(loadGameFromFile(path, game)) << offset;
        expectSample(game);
    }
    SavedGame game = sampleGame();
    EXPECT_FALSE(loadGameFromFile(folder.path(), game));
    EXPECT_FALSE(saveGameToFile(folder.path(), game)) << "a folder is not replaced";
    EXPECT_TRUE(std::filesystem::is_directory(folder.path()));
}

}  // namespace
}  // namespace korvat::storage
