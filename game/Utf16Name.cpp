// UTF-8 to UTF-16 and back for player names; malformed input becomes U+FFFD.
#include "Utf16Name.h"

#include <cstdint>

namespace korvat {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// Decodes one character at text and advances it. A malformed sequence yields U+FFFD and
// consumes its longest valid prefix (at least one byte), so decoding always moves on.
char32_t decodeUtf8(const unsigned char*& text) {
    const unsigned char lead = *text++;
    if (lead < 0x80) {
        return lead;
    }
    int more = 0;
    unsigned char low = 0x80;   // allowed range of the second byte, against overlong forms,
    unsigned char high = 0xBF;  // surrogates and values beyond U+10FFFF
    if (lead >= 0xC2 && lead <= 0xDF) {
        more = 1;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        more = 2;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        more = 3;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return kReplacement;
    }
    char32_t code = lead & (0x3F >> more);  // the payload bits of the lead byte
    for (int i = 0; i < more; ++i) {
        const unsigned char byte = *text;
        const bool valid = i == 0 ? (byte >= low && byte <= high) : isContinuation(byte);
        if (!valid) {
            return kReplacement;
        }
        code = (code << 6) | (byte & 0x3F);
        ++text;
    }
    return code;
}

size_t utf8Length(char32_t code) {
    return code < 0x80 ? 1 : code < 0x800 ? 2 : code < 0x10000 ? 3 : 4;
}

}  // namespace

int utf8ToUtf16Name(const char* utf8, char16_t* out, int maxUnits) {
    if (out == nullptr) {
        return 0;
    }
    int units = 0;
    const unsigned char* text = reinterpret_cast<const unsigned char*>(utf8);
    while (text != nullptr && *text != 0) {
        const char32_t code = decodeUtf8(text);
        const int needed = code >= 0x10000 ? 2 : 1;
        if (units + needed > maxUnits) {
            break;  // cut at the last whole character
        }
        if (needed == 2) {
            const char32_t v = code - 0x10000;
            out[units++] = static_cast<char16_t>(0xD800 + (v >> 10));
            out[units++] = static_cast<char16_t>(0xDC00 + (v & 0x3FF));
        } else {
            out[units++] = static_cast<char16_t>(code);
        }
    }
    out[units] = u'\0';
    return units;
}

size_t utf16ToUtf8(const char16_t* text, int units, char* out, size_t capacity) {
    if (out == nullptr || capacity == 0) {
        return 0;
    }
    size_t written = 0;
    for (int i = 0; text != nullptr && i < units && text[i] != u'\0'; ++i) {
        char32_t code = text[i];
        if (code >= 0xD800 && code <= 0xDBFF && i + 1 < units && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            code = 0x10000 + ((code - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (code >= 0xD800 && code <= 0xDFFF) {
            code = kReplacement;
        }
        const size_t length = utf8Length(code);
        if (written + length + 1 > capacity) {
            break;  // only whole characters, and room for the zero
        }
        // Six bits in each continuation byte from the last; the lead byte takes what is left.
        for (size_t k = length - 1; k > 0; --k) {
            out[written + k] = static_cast<char>(0x80 | (code & 0x3F));
            code >>= 6;
        }
        constexpr unsigned char kLeads[5] = {0, 0, 0xC0, 0xE0, 0xF0};
        out[written] = static_cast<char>(kLeads[length] | code);
        written += length;
    }
    out[written] = '\0';
    return written;
}

size_t copyUtf8(const char* text, size_t length, char* out, size_t capacity) {
    if (capacity == 0) {
        return 0;
    }
    size_t kept = length < capacity - 1 ? length : capacity - 1;
    while (kept > 0 && kept < length && isContinuation(static_cast<unsigned char>(text[kept]))) {
        --kept;
    }
    for (size_t i = 0; i < kept; ++i) {
        out[i] = text[i];
    }
    out[kept] = '\0';
    return kept;
}

}  // namespace korvat
