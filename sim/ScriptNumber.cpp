#include "ScriptNumber.h"

namespace korvat::sim {

namespace {

struct Parsed {
    bool negative = false;
    uint32_t modulo = 0;      // magnitude mod 2^32
    bool exceedsInt = false;  // magnitude beyond 2^31
};

std::optional<Parsed> parseDecimal(std::string_view text) {
    Parsed parsed;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        parsed.negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    uint64_t magnitude = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        const uint32_t digit = static_cast<uint32_t>(c - '0');
        parsed.modulo = parsed.modulo * 10u + digit;
        if (!parsed.exceedsInt) {
            magnitude = magnitude * 10u + digit;
            parsed.exceedsInt = magnitude > (uint64_t{1} << 31);
        }
    }
    if (!parsed.exceedsInt && !parsed.negative && magnitude == (uint64_t{1} << 31)) {
        parsed.exceedsInt = true;  // 2^31 itself fits only as a negative number
    }
    return parsed;
}

}  // namespace

std::optional<uint32_t> parseModulo32(std::string_view text) {
    const std::optional<Parsed> parsed = parseDecimal(text);
    if (!parsed) {
        return std::nullopt;
    }
    return parsed->negative ? 0u - parsed->modulo : parsed->modulo;
}

std::optional<int32_t> parseInt32(std::string_view text) {
    const std::optional<Parsed> parsed = parseDecimal(text);
    if (!parsed || parsed->exceedsInt) {
        return std::nullopt;
    }
    const uint32_t bits = parsed->negative ? 0u - parsed->modulo : parsed->modulo;
    return static_cast<int32_t>(bits);
}

}  // namespace korvat::sim
