#include "ScriptNumber.h"

#include <algorithm>

namespace korvat::sim {

namespace {

struct Parsed {
    uint32_t value = 0;   // the number mod 2^32, negative ones wrapped as in two's complement
    bool fitsInt = true;  // within -2^31 .. 2^31 - 1
};

std::optional<Parsed> parseDecimal(std::string_view text) {
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '+' || negative)) {
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    uint32_t modulo = 0;
    uint64_t magnitude = 0;  // held at 2^32 once beyond it, out of range either way
    for (char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        const uint32_t digit = static_cast<uint32_t>(c - '0');
        modulo = modulo * 10u + digit;
        magnitude = std::min(magnitude * 10u + digit, uint64_t{1} << 32);
    }
    const uint64_t limit = (uint64_t{1} << 31) - (negative ? 0 : 1);
    return Parsed{negative ? 0u - modulo : modulo, magnitude <= limit};
}

}  // namespace

std::optional<uint32_t> parseModulo32(std::string_view text) {
    const std::optional<Parsed> parsed = parseDecimal(text);
    return parsed ? std::optional(parsed->value) : std::nullopt;
}

std::optional<int32_t> parseInt32(std::string_view text) {
    const std::optional<Parsed> parsed = parseDecimal(text);
    if (!parsed || !parsed->fitsInt) {
        return std::nullopt;
    }
    return static_cast<int32_t>(parsed->value);
}

}  // namespace korvat::sim
