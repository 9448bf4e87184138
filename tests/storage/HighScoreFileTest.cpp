#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "TempFolder.h"
#include "storage/HighScoreCodec.h"
#include "storage/HighScoreFile.h"

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

// Ten rows with scores out of order; row 3 carries a name of 16 units without a zero unit.
std::vector<uint8_t> sampleFile() {
    const uint32_t scores[kHighScoreRows] = {50, 700, 20, 90, 90, 10, 5, 3, 2, 1};
    std::vector<uint8_t> bytes;
    for (int r = 0; r < kHighScoreRows; ++r) {
        for (int u = 0; u < kNameUnits; ++u) {
            if (r == 3) {
                bytes.push_back(static_cast<uint8_t>('A' + u));
                bytes.push_back(0x04);  // Cyrillic block
            } else {
                const char16_t unit = u < 3 ? u"Ann"[u] : u < 15 ? u' ' : 0;
                bytes.push_back(static_cast<uint8_t>(unit));
                bytes.push_back(0);
            }
        }
        put32(bytes, scores[r]);
        put32(bytes, static_cast<uint32_t>(r));
        put32(bytes, 59);
        put32(bytes, 1);
    }
    return bytes;
}

HighScoreTable defaultTable() {
    HighScoreTable table;
    makeDefaultHighScores(table);
    return table;
}

TEST(HighScoreCodec, RowsDecodeFieldByField) {
    const std::vector<uint8_t> bytes = sampleFile();
    const HighScoreEntry row = decodeHighScoreRow(bytes.data() + 48);
    EXPECT_EQ(row.name[0], u'A');
    EXPECT_EQ(row.name[2], u'n');
    EXPECT_EQ(row.name[3], u' ');
    EXPECT_EQ(row.name[15], 0);
    EXPECT_EQ(row.score, 700u);
    EXPECT_EQ(row.hours, 1u);
    EXPECT_EQ(row.minutes, 59u);
    EXPECT_EQ(row.seconds, 1u);
    const HighScoreEntry unbounded = decodeHighScoreRow(bytes.data() + 3 * 48);
    EXPECT_EQ(unbounded.name[15], 0x0400 + 'A' + 15);
    EXPECT_EQ(storedNameLength(unbounded), 16);
}

TEST(HighScoreCodec, DefaultTableEncodesToTheKnownBytes) {
    const HighScoreFileBytes bytes = encodeHighScores(defaultTable());
    const std::vector<uint8_t> row(bytes.begin(), bytes.begin() + 48);
    std::vector<uint8_t> expected;
    const char16_t* name = u"Tarnwell       ";
    for (int u = 0; u < kNameUnits; ++u) {
        expected.push_back(static_cast<uint8_t>(name[u]));
        expected.push_back(0);
    }
    put32(expected, 100);
    put32(expected, 0);
    put32(expected, 1);
    put32(expected, 0);
    EXPECT_EQ(row, expected);
    for (int r = 1; r < kHighScoreRows; ++r) {
        EXPECT_TRUE(std::equal(row.begin(), row.end(), bytes.begin() + r * 48)) << r;
    }
}

class HighScoreFileTest : public ::testing::Test {
  protected:
    TempFolder folder;
    std::string path = folder.file("top.ten");
};

TEST_F(HighScoreFileTest, LoadKeepsFileOrderAndTakesHighestAndLowest) {
    writeBytes(path, sampleFile());
    HighScoreTable table = defaultTable();
    ASSERT_TRUE(loadHighScores(path, table));
    EXPECT_EQ(table.entries[0].score, 50u);
    EXPECT_EQ(table.entries[1].score, 700u);
    EXPECT_EQ(table.entries[9].score, 1u);
    EXPECT_EQ(table.highest, 700u);
    EXPECT_EQ(table.lowest, 1u);
}

TEST_F(HighScoreFileTest, LowScoresLeaveTheHighestAt100) {
    std::vector<uint8_t> bytes = sampleFile();
    bytes[48 + 32] = 60;  // row 2: 700 -> 60
    bytes[48 + 33] = 0;
    writeBytes(path, bytes);
    HighScoreTable table = defaultTable();
    ASSERT_TRUE(loadHighScores(path, table));
    EXPECT_EQ(table.highest, 100u);
}

TEST_F(HighScoreFileTest, SaveAfterLoadIsByteExact) {
    writeBytes(path, sampleFile());
    HighScoreTable table = defaultTable();
    ASSERT_TRUE(loadHighScores(path, table));
    const std::string copy = folder.file("copy.ten");
    ASSERT_TRUE(saveHighScores(copy, table));
    EXPECT_EQ(readBytes(copy), sampleFile());
}

TEST_F(HighScoreFileTest, FilesOfAnyOtherSizeCountAsMissing) {
    const std::vector<uint8_t> whole = sampleFile();
    const std::vector<uint8_t> truncated(whole.begin(), whole.end() - 1);
    std::vector<uint8_t> overLong = whole;
    overLong.push_back(0);
    for (const auto& bytes : {truncated, overLong, std::vector<uint8_t>{},
                              std::vector<uint8_t>(whole.begin(), whole.begin() + 48)}) {
        writeBytes(path, bytes);
        HighScoreTable table = defaultTable();
        table.highest = 999;
        table.lowest = 7;
        EXPECT_FALSE(loadHighScores(path, table)) << bytes.size();
        EXPECT_EQ(table.highest, 100u) << "set before the file is looked at";
        EXPECT_EQ(table.lowest, 7u);
        EXPECT_EQ(table.entries[0].score, 100u) << "rows untouched";
        EXPECT_EQ(table.entries[0].name[0], u'T');
    }
    HighScoreTable table = defaultTable();
    EXPECT_FALSE(loadHighScores(folder.file("none"), table));
    EXPECT_FALSE(loadHighScores(folder.path(), table));
    EXPECT_FALSE(loadHighScores("", table));
}

TEST_F(HighScoreFileTest, AFailedWriteLeavesTheOldFile) {
    writeBytes(path, sampleFile());
    EXPECT_FALSE(saveHighScores(path, defaultTable(), failHalfway));
    EXPECT_EQ(readBytes(path), sampleFile());
    EXPECT_EQ(folder.entryCount(), 1u);
}

TEST_F(HighScoreFileTest, SavingCreatesTheDataFolder) {
    const std::string nested = folder.file("share/korvat/top.ten");
    ASSERT_TRUE(saveHighScores(nested, defaultTable()));
    EXPECT_EQ(readBytes(nested).size(), kHighScoreFileBytes);
}

TEST(HighScorePath, AppendsTheFileNameToTheProgramFolder) {
    EXPECT_EQ(highScorePath("/opt/korvat/"), "/opt/korvat/top.ten");
    EXPECT_EQ(highScorePath("/opt/korvat"), "/opt/korvat/top.ten");
    EXPECT_EQ(highScorePath(""), "");
    const std::string fits = std::string(kMaxPathBytes - 8, 'd') + "/";
    EXPECT_EQ(highScorePath(fits).size(), kMaxPathBytes);
    EXPECT_EQ(highScorePath("d" + fits), "") << "a path too long is not cut into another one";
}

TEST(HighScorePath, ProgramDirectoryHoldsTheRunningProgram) {
    const std::string dir = programDirectory();
    ASSERT_FALSE(dir.empty());
    EXPECT_EQ(dir.back(), '/');
    EXPECT_EQ(std::filesystem::read_symlink("/proc/self/exe").parent_path().string() + "/", dir);
}

// Sets XDG_DATA_HOME for one test and puts the old value back.
class DataHome {
  public:
    explicit DataHome(const std::string& path) {
        const char* old = std::getenv("XDG_DATA_HOME");
        had_ = old != nullptr;
        old_ = had_ ? old : "";
        setenv("XDG_DATA_HOME", path.c_str(), 1);
    }
    ~DataHome() {
        if (had_) {
            setenv("XDG_DATA_HOME", old_.c_str(), 1);
        } else {
            unsetenv("XDG_DATA_HOME");
        }
    }

  private:
    bool had_ = false;
    std::string old_;
};

TEST(HighScorePath, StaysBesideTheProgramInAWritableFolderAndLeavesNoProbe) {
    TempFolder folder;
    EXPECT_EQ(highScoreFileFor(folder.path() + "/"), folder.file("top.ten"));
    EXPECT_EQ(highScoreFileFor(folder.path()), folder.file("top.ten"));
    EXPECT_EQ(folder.entryCount(), 0u);
}

TEST(HighScorePath, FallsBackToTheUserDataFolderWhenTheProgramFolderIsNotWritable) {
    TempFolder data;
    const DataHome home(data.path());
    // Neither a missing folder nor /proc takes a new file, whoever runs the test (root too).
    EXPECT_EQ(highScoreFileFor(data.file("gone/")), data.file("korvat/top.ten"));
    const std::string path = highScoreFileFor("/proc/self/");
    ASSERT_EQ(path, data.file("korvat/top.ten"));

    // The table is written there, folder made, and read back from there.
    HighScoreTable table = defaultTable();
    table.entries[0].score = 4321;
    ASSERT_TRUE(saveHighScores(path, table));
    EXPECT_EQ(readBytes(path).size(), kHighScoreFileBytes);
    HighScoreTable loaded;
    ASSERT_TRUE(loadHighScores(highScoreFileFor("/proc/self/"), loaded));
    EXPECT_EQ(loaded.entries[0].score, 4321u);
    EXPECT_EQ(loaded.highest, 4321u);
}

TEST(HighScorePath, AReadOnlyFolderFallsBackForAnOrdinaryUser) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "root writes into a read-only folder";
    }
    TempFolder program;
    TempFolder data;
    const DataHome home(data.path());
    std::filesystem::permissions(program.path(), std::filesystem::perms(0555));
    EXPECT_EQ(highScoreFileFor(program.path() + "/"), data.file("korvat/top.ten"));
    std::filesystem::permissions(program.path(), std::filesystem::perms(0755));
}

}  // namespace
}  // namespace korvat::storage
