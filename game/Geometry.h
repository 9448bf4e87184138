#pragma once
// Where the panel and the board lie in the window's client area, and the size of a cell. The
// rules turn taps into cells with it; the window's layout builds the drawing on it.
#include <cstdint>

#include "Types.h"

namespace korvat {

constexpr Rect kPanelRect{2, 2, 237, 31};
constexpr Rect kBoardRect{2, 32, 237, 267};

constexpr int32_t kBallWidth = 21;
constexpr int32_t kBallHeight = 21;
constexpr int32_t kCellInset = 4;
constexpr int32_t kGridLine = 1;
constexpr int32_t kCellPitch = kGridLine + kBallWidth + kCellInset;  // 26
constexpr int32_t kRowPitch = kGridLine + kBallHeight + kCellInset;  // 26

// The score digits of the panel.
constexpr int32_t kDigitWidth = 10;
constexpr int32_t kDigitHeight = 20;

}  // namespace korvat
