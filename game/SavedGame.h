#pragma once
#include <cstdint>

#include "Types.h"

namespace korvat {

// The 340-byte record of a game in progress, field by field as in the file (little-endian).
struct SavedGame {
    uint32_t seconds = 0;  // play time in whole seconds
    uint32_t score = 0;
    int32_t blockMode = 0;
    int32_t linesMode = 1;
    Board board{};  // column by column, as the board itself
    friend bool operator==(const SavedGame&, const SavedGame&) = default;
};

constexpr int kSavedGameBytes = 340;

}  // namespace korvat
