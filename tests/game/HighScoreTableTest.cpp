#include <gtest/gtest.h>

#include <string>

#include "game/HighScoreTable.h"
#include "game/Utf16Name.h"

namespace korvat {
namespace {

HighScoreTable tableWith(std::initializer_list<uint32_t> scores) {
    HighScoreTable table{};
    makeDefaultHighScores(table);
    int i = 0;
    for (uint32_t score : scores) {
        table.entries[i++].score = score;
    }
    noteLoadedScores(table);
    return table;
}

TEST(HighScoreTableTest, DefaultsAreTenTarnwellRows) {
    HighScoreTable table{};
    makeDefaultHighScores(table);
    EXPECT_EQ(table.highest, 100u);
    EXPECT_EQ(table.lowest, 100u);
    for (const HighScoreEntry& entry : table.entries) {
        EXPECT_EQ(std::u16string(entry.name, 16), u"Tarnwell       " + std::u16string(1, u'\0'));
        EXPECT_EQ(entry.score, 100u);
        EXPECT_EQ(entry.hours, 0u);
        EXPECT_EQ(entry.minutes, 1u);
        EXPECT_EQ(entry.seconds, 0u);
    }
}

TEST(HighScoreTableTest, EqualScoreRanksBelowItsEquals) {
    HighScoreTable table = tableWith({100, 90, 90, 80, 70, 60, 50, 40, 30, 20});
    table.entries[1].name[0] = u'a';
    table.entries[2].name[0] = u'b';
    insertHighScore(table, u"new", 90, 0, 2, 3);
    EXPECT_EQ(table.entries[1].name[0], u'a');
    EXPECT_EQ(table.entries[2].name[0], u'b');
    EXPECT_EQ(std::u16string(table.entries[3].name, 3), u"new");
    EXPECT_EQ(table.entries[3].minutes, 2u);
    EXPECT_EQ(table.entries[4].score, 80u);
    EXPECT_EQ(table.entries[9].score, 30u);  // the former tenth row is gone
    EXPECT_EQ(table.lowest, 30u);
}

TEST(HighScoreTableTest, InsertionSortsAnUnorderedTable) {
    HighScoreTable table = tableWith({5, 300, 7, 1000, 2, 9, 9, 40, 6, 1});
    EXPECT_EQ(table.highest, 1000u);
    EXPECT_EQ(table.lowest, 1u);
    insertHighScore(table, u"", 8, 0, 0, 0);
    const uint32_t expected[] = {1000, 300, 40, 9, 9, 8, 7, 6, 5, 2};
    for (int i = 0; i < kHighScoreRows; ++i) {
        EXPECT_EQ(table.entries[i].score, expected[i]) << i;
    }
    EXPECT_EQ(table.lowest, 2u);
}

TEST(HighScoreTableTest, HighestIsAtLeastOneHundred) {
    HighScoreTable table = tableWith({50, 40, 30, 20, 10, 9, 8, 7, 6, 5});
    EXPECT_EQ(table.highest, 100u);
    EXPECT_EQ(table.lowest, 5u);
}

TEST(HighScoreTableTest, NamesArePaddedToFifteenAndCutThere) {
    HighScoreTable table = tableWith({});
    insertHighScore(table, u"", 500, 0, 0, 0);
    EXPECT_EQ(std::u16string(table.entries[0].name, 16),
              std::u16string(15, u' ') + std::u16string(1, u'\0'));
    insertHighScore(table, u"abcdefghijklmnopq", 600, 0, 0, 0);
    EXPECT_EQ(std::u16string(table.entries[0].name, 16),
              u"abcdefghijklmno" + std::u16string(1, u'\0'));
    EXPECT_EQ(storedNameLength(table.entries[0]), 15);
    for (char16_t& unit : table.entries[0].name) {
        unit = u'z';  // a damaged row without its zero unit
    }
    EXPECT_EQ(storedNameLength(table.entries[0]), 16);
}

TEST(Utf16NameTest, ConvertsAndCutsAtWholeCharacters) {
    char16_t out[16];
    EXPECT_EQ(utf8ToUtf16Name("Jürgen", out, 15), 6);
    EXPECT_EQ(std::u16string(out), u"Jürgen");
    // 14 letters and a character outside the BMP that needs two units: cut before it.
    EXPECT_EQ(utf8ToUtf16Name("abcdefghijklmn\xF0\x9F\x98\x80", out, 15), 14);
    EXPECT_EQ(std::u16string(out), u"abcdefghijklmn");
    EXPECT_EQ(utf8ToUtf16Name("a\xF0\x9F\x98\x80", out, 15), 3);
    EXPECT_EQ(out[1], 0xD83D);
    EXPECT_EQ(out[2], 0xDE00);
    EXPECT_EQ(utf8ToUtf16Name("", out, 15), 0);
    EXPECT_EQ(out[0], u'\0');
}

TEST(Utf16NameTest, MalformedBytesBecomeReplacementCharacters) {
    char16_t out[16];
    // A stray continuation byte, a truncated sequence, an overlong form, an encoded surrogate.
    EXPECT_EQ(utf8ToUtf16Name("a\x80"
                              "b\xE2\x82"
                              "c\xC0\xAF"
                              "d\xED\xA0\x80",
                              out, 15),
              11);
    EXPECT_EQ(std::u16string(out), u"a\uFFFDb\uFFFDc\uFFFD\uFFFDd\uFFFD\uFFFD\uFFFD");
}

TEST(Utf16NameTest, RoundTripsAndBoundsTheOutput) {
    char utf8[64];
    const char16_t name[] = u"Zoë \U0001F600 x";
    EXPECT_EQ(utf16ToUtf8(name, 16, utf8, sizeof utf8),
              std::string("Zoë \xF0\x9F\x98\x80 x").size());
    EXPECT_EQ(std::string(utf8), "Zoë \xF0\x9F\x98\x80 x");
    // Only whole characters fit: "Zo" and the zero in 4 bytes, not half of the ë.
    EXPECT_EQ(utf16ToUtf8(name, 16, utf8, 4), 2u);
    EXPECT_EQ(std::string(utf8), "Zo");
    // An unpaired surrogate, and a name that runs to the unit limit without a zero.
    const char16_t broken[] = {u'a', 0xD800, u'b', u'c'};
    EXPECT_EQ(utf16ToUtf8(broken, 3, utf8, sizeof utf8), 5u);
    EXPECT_EQ(std::string(utf8),
              "a\xEF\xBF\xBD"
              "b");
}

}  // namespace
}  // namespace korvat
