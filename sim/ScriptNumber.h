#pragma once
// Decimal numbers of the script: an optional sign, then digits, of any length.
#include <cstdint>
#include <optional>
#include <string_view>

namespace korvat::sim {

// The value modulo 2^32 (a negative number wraps as in two's complement), for time, tick, set.
std::optional<uint32_t> parseModulo32(std::string_view text);

// The value when it fits a signed 32-bit integer; nothing for bad text or out-of-range values.
std::optional<int32_t> parseInt32(std::string_view text);

}  // namespace korvat::sim
