#include "sim/ScriptNumber.h"

#include <gtest/gtest.h>

#include "sim/SimHost.h"

namespace korvat::sim {
namespace {

TEST(ScriptNumber, RejectsAnythingButASignAndDigits) {
    for (const char* text : {"", "+", "-", "1.5", "0x10", " 1", "1 ", "--1", "1e3", "١"}) {
        EXPECT_FALSE(parseInt32(text)) << text;
        EXPECT_FALSE(parseModulo32(text)) << text;
    }
}

TEST(StoredName, KeepsWholeCharactersWithinFifteenUnits) {
    EXPECT_EQ(cutToStoredName(""), "");
    EXPECT_EQ(cutToStoredName("exactly15chars!"), "exactly15chars!");
    EXPECT_EQ(cutToStoredName("sixteen chars!!!"), "sixteen chars!!");
    // Fourteen units, then a pair that would need units 15 and 16: dropped whole.
    EXPECT_EQ(cutToStoredName("abcdefghijklmn\xF0\x9F\x98\x80"), "abcdefghijklmn");
    EXPECT_EQ(cutToStoredName("\xC3\xA9t\xC3\xA9"), "\xC3\xA9t\xC3\xA9");
    EXPECT_EQ(cutToStoredName("a\xFF"
                              "b"),
              "a\xEF\xBF\xBD"
              "b");
}

}  // namespace
}  // namespace korvat::sim
