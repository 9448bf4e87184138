#pragma once
#include <cstddef>

namespace korvat {

// Converts UTF-8 text to at most maxUnits UTF-16 units, cut at the last whole character that
// fits, and ends it with a zero unit (out must hold maxUnits + 1). Malformed bytes become
// U+FFFD. Returns the number of units written before the zero.
int utf8ToUtf16Name(const char* utf8, char16_t* out, int maxUnits);

// Converts up to `units` UTF-16 units (stopping at a zero unit) to UTF-8 with a final zero;
// an unpaired surrogate becomes U+FFFD. Writes at most capacity bytes including the zero.
size_t utf16ToUtf8(const char16_t* text, int units, char* out, size_t capacity);

// Copies `length` bytes of UTF-8 text into out (capacity bytes with the final zero), cut
// before the first character that does not fit whole. Returns the bytes written before the zero.
size_t copyUtf8(const char* text, size_t length, char* out, size_t capacity);

}  // namespace korvat
