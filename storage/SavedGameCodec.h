#pragma once
// The 340-byte saved-game record: seconds, score, Block flag, Lines flag, then the 81 cells
// column by column, all 32-bit little-endian.
#include <array>
#include <cstddef>
#include <cstdint>

#include "game/SavedGame.h"

namespace korvat::storage {

using SavedGameBytes = std::array<uint8_t, kSavedGameBytes>;

SavedGameBytes encodeSavedGame(const SavedGame& game);

// True only for exactly 340 bytes holding one rule flag 1 and the other 0 and cells of -1 or
// 1..7; otherwise game is left as it was.
bool decodeSavedGame(const uint8_t* bytes, size_t size, SavedGame& game);

}  // namespace korvat::storage
