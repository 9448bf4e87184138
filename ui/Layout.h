#pragma once
// Pixel geometry of the game window and the grids of the sprite sheets. Everything is fixed:
// nothing is scaled, so all of it can be computed at compile time.
#include <cstdint>

#include "game/Geometry.h"
#include "game/Types.h"

namespace korvat::ui {

struct Point {
    int32_t x = 0;
    int32_t y = 0;
    friend constexpr bool operator==(const Point&, const Point&) = default;
};

// A rectangle as position and size (sheet cells, strips).
struct Area {
    int32_t x = 0;
    int32_t y = 0;
    int32_t w = 0;
    int32_t h = 0;
    friend constexpr bool operator==(const Area&, const Area&) = default;
};

using korvat::kBallHeight;
using korvat::kBallWidth;
using korvat::kBoardRect;
using korvat::kCellPitch;

constexpr int32_t kPanelWidth = kPanelRect.right - kPanelRect.left;   // 235
constexpr int32_t kPanelHeight = kPanelRect.bottom - kPanelRect.top;  // 29
constexpr int32_t kBoardWidth = kBoardRect.right - kBoardRect.left;   // 235
constexpr int32_t kBoardHeight = kBoardRect.bottom - kBoardRect.top;  // 235
constexpr Area kBoardArea{kBoardRect.left, kBoardRect.top, kBoardWidth, kBoardHeight};

constexpr bool isBallColor(int32_t c) {
    return c >= 1 && c <= kColorCount;
}
constexpr bool isCell(int32_t x, int32_t y) {
    return x >= 0 && x < kBoardSize && y >= 0 && y < kBoardSize;
}

// Window position of the sprite of cell (x, y).
constexpr Point cellOrigin(int32_t x, int32_t y) {
    return {kBoardRect.left + kCellPitch * x + kCellInset,
            kBoardRect.top + kRowPitch * y + kCellInset};
}
// The same sprite on an off-screen copy of the board (origin at the board's corner).
constexpr Point boardCellOrigin(int32_t x, int32_t y) {
    const Point p = cellOrigin(x, y);
    return {p.x - kBoardRect.left, p.y - kBoardRect.top};
}

// Rows of the ball sheet; the column is the colour (column 0 = empty cell).
namespace ballRow {
constexpr int32_t kRest = 0;
constexpr int32_t kHint = 4;
constexpr int32_t kExplosionFirst = 5;
constexpr int32_t kExplosionLast = 9;  // the empty cell in every column
}  // namespace ballRow
constexpr int32_t kAppearanceRows[] = {3, 2, 1, 0};  // growing 11, 15, 17, 21 pixels
constexpr int32_t kBounceFrames = 9;                 // rows 0..8 of the bounce sheet

// Ball or bounce sprite of colour c in row r.
constexpr Area ballSprite(int32_t c, int32_t r) {
    return {kBallWidth * c, kBallHeight * r, kBallWidth, kBallHeight};
}
constexpr Area nextIcon(int32_t c) {
    return {15 * c, 0, 15, 15};
}
constexpr Area scoreDigit(int32_t d) {
    return {kDigitWidth * d, 0, kDigitWidth, kDigitHeight};
}
constexpr Area clockDigit(int32_t d) {
    return {7 * d, 0, 7, 8};
}

// Panel elements (window coordinates; the panel strips use the same on the off-screen panel).
constexpr Point kBestScorePos{13, 6};
constexpr Point kScorePos{168, 6};
constexpr Point kClockPos{103, 20};
constexpr int32_t kNumberDigits = 5;
constexpr uint32_t kLargestNumber = 99999;
// The value the digits show: anything larger shows as zeros.
constexpr uint32_t shownNumber(uint32_t value) {
    return value > kLargestNumber ? 0 : value;
}
constexpr int32_t kScoreDigitPitch = kDigitWidth + 2;
constexpr int32_t kClockDigitPitch = 7 + 2;
constexpr Point nextIconPos(int32_t k) {
    return {100 + 17 * k, 4};
}
constexpr Area kNextColorsStrip{100, 4, 51, 15};

static_assert(cellOrigin(0, 0) == Point{6, 36});
static_assert(cellOrigin(8, 8) == Point{214, 244});
static_assert(boardCellOrigin(8, 8) == Point{212, 212});

}  // namespace korvat::ui
