#include <gtest/gtest.h>

#include <filesystem>

#include "TempFolder.h"
#include "storage/SavedGameCodec.h"
#include "storage/SavedGameFile.h"

namespace korvat::storage {
namespace {

using testing::failHalfway;
using testing::readBytes;
using testing::TempFolder;
using testing::writeBytes;

void put32(std::vector<uint8_t>& bytes, uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        bytes.push_back(static_cast<uint8_t>(v >> (8 * i)));
    }
}

// A Block game at 3723 s with score 0x01020304: a red ball (1) at column 1, row 0 and a
// colour-7 ball at column 8, row 8.
SavedGame sampleGame() {
    SavedGame game;
    game.seconds = 3723;
    game.score = 0x01020304;
    game.blockMode = 1;
    game.linesMode = 0;
    for (int32_t& cell : game.board.cells) {
        cell = EMPTY;
    }
    game.board.at(1, 0) = 1;
    game.board.at(8, 8) = 7;
    return game;
}

std::vector<uint8_t> sampleBytes() {
    std::vector<uint8_t> bytes = {0x8b, 0x0e, 0, 0, 0x04, 0x03, 0x02, 0x01, 1, 0, 0, 0, 0, 0, 0, 0};
    for (int i = 0; i < kCellCount; ++i) {
        put32(bytes, i == 9 ? 1 : i == 80 ? 7 : 0xffffffffu);
    }
    return bytes;
}

TEST(SavedGameCodec, EncodesTheExactRecordColumnByColumn) {
    const SavedGameBytes encoded = encodeSavedGame(sampleGame());
    EXPECT_EQ(std::vector<uint8_t>(encoded.begin(), encoded.end()), sampleBytes());
}

TEST(SavedGameCodec, DecodesTheExactRecord) {
    const std::vector<uint8_t> bytes = sampleBytes();
    SavedGame game{};
    ASSERT_TRUE(decodeSavedGame(bytes.data(), bytes.size(), game));
    const SavedGame expected = sampleGame();
    EXPECT_EQ(game.seconds, expected.seconds);
    EXPECT_EQ(game.score, expected.score);
    EXPECT_EQ(game.blockMode, 1);
    EXPECT_EQ(game.linesMode, 0);
    EXPECT_EQ(game.board, expected.board);
}

TEST(SavedGameCodec, RefusesRecordsThatWouldBreakTheGame) {
    struct Case {
        const char* what;
        size_t offset;
        uint32_t value;
    };
    const Case cases[] = {
        {"both rule flags off", 8, 0},     {"Lines flag 2", 12, 2},
        {"Block flag -1", 8, 0xffffffffu}, {"cell 0", 16, 0},
        {"cell 8", 16 + 4 * 40, 8},        {"cell -2", 16 + 4 * 80, 0xfffffffeu},
    };
    SavedGame untouched = sampleGame();
    untouched.score = 77;
    for (const Case& c : cases) {
        std::vector<uint8_t> bytes = sampleBytes();
        for (int i = 0; i < 4; ++i) {
            bytes[c.offset + i] = static_cast<uint8_t>(c.value >> (8 * i));
        }
        SavedGame game = untouched;
        EXPECT_FALSE(decodeSavedGame(bytes.data(), bytes.size(), game)) << c.what;
        EXPECT_EQ(game.score, 77u) << c.what;
    }
    std::vector<uint8_t> both = sampleBytes();
    both[12] = 1;  // Lines and Block together
    SavedGame game = untouched;
    EXPECT_FALSE(decodeSavedGame(both.data(), both.size(), game));
}

class SavedGameFileTest : public ::testing::Test {
  protected:
    TempFolder folder;
    std::string path = folder.file("game.kvt");
};

TEST_F(SavedGameFileTest, FileRoundTripIsByteExact) {
    ASSERT_TRUE(saveGameToFile(path, sampleGame()));
    EXPECT_EQ(readBytes(path), sampleBytes());
    SavedGame game{};
    ASSERT_TRUE(loadGameFromFile(path, game));
    EXPECT_EQ(game.board, sampleGame().board);
    EXPECT_EQ(game.seconds, 3723u);
    EXPECT_EQ(folder.entryCount(), 1u) << "no temporary file is left behind";
}

TEST_F(SavedGameFileTest, SavingReplacesAnExistingFile) {
    writeBytes(path, std::vector<uint8_t>(1000, 0xaa));
    ASSERT_TRUE(saveGameToFile(path, sampleGame()));
    EXPECT_EQ(readBytes(path), sampleBytes());
}

TEST_F(SavedGameFileTest, ShortLongEmptyAndGarbageFilesAreRefusedUntouched) {
    std::vector<uint8_t> truncated = sampleBytes();
    truncated.pop_back();
    std::vector<uint8_t> overLong = sampleBytes();
    overLong.push_back(0);
    std::vector<uint8_t> garbage(kSavedGameBytes);
    for (size_t i = 0; i < garbage.size(); ++i) {
        garbage[i] = static_cast<uint8_t>(i * 37 + 11);
    }
    for (const auto& bytes : {truncated, overLong, std::vector<uint8_t>{}, garbage}) {
        writeBytes(path, bytes);
        SavedGame game = sampleGame();
        game.score = 5;
        EXPECT_FALSE(loadGameFromFile(path, game)) << bytes.size() << " bytes";
        EXPECT_EQ(game.score, 5u);
        EXPECT_EQ(game.board, sampleGame().board);
    }
}

TEST_F(SavedGameFileTest, MissingFilesAndFoldersAreRefused) {
    SavedGame game = sampleGame();
    EXPECT_FALSE(loadGameFromFile(folder.file("none.kvt"), game));
    EXPECT_FALSE(loadGameFromFile(folder.path(), game));
    EXPECT_FALSE(saveGameToFile(folder.file("no/such/folder.kvt"), game));
    EXPECT_FALSE(saveGameToFile(folder.path(), game)) << "a folder is not replaced";
    EXPECT_TRUE(std::filesystem::is_directory(folder.path()));
}

TEST_F(SavedGameFileTest, AFailedWriteLeavesTheOldFileWhole) {
    ASSERT_TRUE(saveGameToFile(path, sampleGame()));
    SavedGame other = sampleGame();
    other.score = 999;
    EXPECT_FALSE(saveGameToFile(path, other, failHalfway));
    EXPECT_EQ(readBytes(path), sampleBytes());
    EXPECT_EQ(folder.entryCount(), 1u);

    EXPECT_FALSE(saveGameToFile(folder.file("new.kvt"), other, failHalfway));
    EXPECT_FALSE(std::filesystem::exists(folder.file("new.kvt")));
}

TEST_F(SavedGameFileTest, AReadOnlyFolderRefusesTheSave) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "permissions do not stop root";
    }
    ASSERT_TRUE(saveGameToFile(path, sampleGame()));
    std::filesystem::permissions(
        folder.path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    SavedGame other = sampleGame();
    other.score = 1;
    EXPECT_FALSE(saveGameToFile(path, other));
    std::filesystem::permissions(folder.path(), std::filesystem::perms::owner_all);
    EXPECT_EQ(readBytes(path), sampleBytes());
}

}  // namespace
}  // namespace korvat::storage
