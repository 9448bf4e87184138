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

// True only for exactly 340 bytes of a playable game (isPlayable); otherwise game is unchanged.
bool decodeSavedGame(const uint8_t* bytes, size_t size, SavedGame& game);

}  // namespace korvat::storage
