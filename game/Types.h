#pragma once
// Plain types shared by every part of the game.
#include <algorithm>
#include <cstdint>
#include <iterator>

namespace korvat {

constexpr int32_t EMPTY = -1;  // a free cell; -1 also marks "no value" throughout the state
constexpr int32_t kBoardSize = 9;
constexpr int32_t kCellCount = kBoardSize * kBoardSize;
constexpr int32_t kColorCount = 7;
constexpr int32_t kWaveSize = 3;

// A cell: x the column 0..8 from the left, y the row 0..8 from the top; (-1, -1) is no cell.
struct CellPos {
    int32_t x = -1;
    int32_t y = -1;
    friend bool operator==(const CellPos&, const CellPos&) = default;
};

// Every grid is column-major: cell (x, y) is element x * 9 + y.
constexpr int32_t cellIndex(int32_t x, int32_t y) {
    return x * kBoardSize + y;
}

// 9 x 9 cells, EMPTY or a colour 1..7.
struct Board {
    int32_t cells[kCellCount];
    int32_t& at(int32_t x, int32_t y) { return cells[cellIndex(x, y)]; }
    int32_t at(int32_t x, int32_t y) const { return cells[cellIndex(x, y)]; }
    int32_t emptyCount() const {
        return static_cast<int32_t>(std::count(std::begin(cells), std::end(cells), EMPTY));
    }
    friend bool operator==(const Board&, const Board&) = default;
};

// Right and bottom lie one pixel beyond the last pixel.
struct Rect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
};

// The cells of one figure around one ball: room for a 9-ball line or four 2x2 squares.
struct FigureRecord {
    static constexpr int kCapacity = 13;
    CellPos cells[kCapacity];
    uint32_t count = 0;
    int32_t color = EMPTY;
};

enum class SoundId : int32_t { BounceTick = 135, Refusal = 136, Appearance = 137, Explosion = 138 };

enum class TimerId : int32_t { Bounce = 1234, Clock = 1235 };

constexpr uint32_t kClockPeriodMs = 1000;

}  // namespace korvat
