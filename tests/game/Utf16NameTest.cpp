#include <gtest/gtest.h>

#include <string>

#include "game/Utf16Name.h"

namespace korvat {
namespace {

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

TEST(Utf16NameTest, Utf8OutputHoldsOnlyWholeCharactersAndStopsAtTheUnitLimit) {
    char utf8[64];
    const char16_t name[] = u"Zoë \U0001F600 x";
    // "Zo" and the zero in 4 bytes, not half of the ë.
    EXPECT_EQ(utf16ToUtf8(name, 16, utf8, 4), 2u);
    EXPECT_EQ(std::string(utf8), "Zo");
    // A name that runs to the unit limit without a zero.
    const char16_t unbounded[] = {u'a', u'b', u'c', u'd'};
    EXPECT_EQ(utf16ToUtf8(unbounded, 3, utf8, sizeof utf8), 3u);
    EXPECT_EQ(std::string(utf8), "abc");
    // A typed name copied into a host's buffer: whole characters only, always ended.
    const std::string typed = "Zo\xC3\xAB!";
    EXPECT_EQ(copyUtf8(typed.data(), typed.size(), utf8, 4), 2u);
    EXPECT_EQ(std::string(utf8), "Zo");
    EXPECT_EQ(copyUtf8(typed.data(), typed.size(), utf8, sizeof utf8), 5u);
    EXPECT_EQ(std::string(utf8), typed);
    EXPECT_EQ(copyUtf8(typed.data(), typed.size(), utf8, 0), 0u);
}

}  // namespace
}  // namespace korvat
