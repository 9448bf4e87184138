#include "game/Utf16Name.h"

#include <gtest/gtest.h>

#include <string>

namespace korvat {
namespace {

TEST(Utf16NameTest, MalformedBytesBecomeReplacementCharacters) {
    struct Case {
        const char* what;
        const char* utf8;
        std::u16string units;
    };
    const std::u16string bad = u"\uFFFD";
    const Case cases[] = {
        {"stray continuation byte", "a\x80", u"a" + bad},
        {"truncated sequence", "\xE2\x82z", bad + u"z"},
        {"overlong two-byte form", "\xC0\xAF", bad + bad},
        {"overlong three-byte form", "\xE0\x80\x80", bad + bad + bad},
        {"highest overlong three-byte form", "\xE0\x9F\xBF", bad + bad + bad},
        {"lowest three-byte character", "\xE0\xA0\x80", u"\u0800"},
        {"overlong four-byte form", "\xF0\x8F\xBF\xBF", bad + bad + bad + bad},
        {"encoded surrogate", "\xED\xA0\x80", bad + bad + bad},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", bad + bad + bad + bad},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        char16_t out[8];
        EXPECT_EQ(utf8ToUtf16Name(c.utf8, out, 7), static_cast<int>(c.units.size()));
        EXPECT_EQ(std::u16string(out), c.units);
    }
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
