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

// The rules rely on one rule set in force and on every cell being EMPTY or a colour.
constexpr bool isPlayable(const SavedGame& game) {
    for (const int32_t cell : game.board.cells) {
        if (cell != EMPTY && (cell < 1 || cell > kColorCount)) {
            return false;
        }
    }
    return (game.linesMode == 1 && game.blockMode == 0) ||
           (game.linesMode == 0 && game.blockMode == 1);
}

}  // namespace korvat
