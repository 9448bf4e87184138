#pragma once
// "top.ten": ten 48-byte rows in table order, 480 bytes. A row is the name as 16 UTF-16LE
// units, then score, hours, minutes and seconds as 32-bit little-endian numbers.
#include <array>
#include <cstddef>
#include <cstdint>

#include "game/HighScoreTable.h"

namespace korvat::storage {

constexpr size_t kHighScoreRowBytes = 48;
constexpr size_t kHighScoreFileBytes = kHighScoreRowBytes * kHighScoreRows;

using HighScoreFileBytes = std::array<uint8_t, kHighScoreFileBytes>;

// All 16 name units are copied as they are, zero unit or not.
HighScoreFileBytes encodeHighScores(const HighScoreTable& table);

// Exactly 480 bytes: the rows replace the table's rows in file order (not re-sorted); highest
// and lowest are left to the caller. Any other size: false, table unchanged.
bool decodeHighScoreRows(const uint8_t* bytes, size_t size, HighScoreTable& table);

}  // namespace korvat::storage
