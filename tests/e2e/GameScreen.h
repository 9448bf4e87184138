#pragma once
// Reads the game's board and panel off a screenshot, and knows where the menu bar puts things.
#include <SDL.h>

#include <array>

#include "XvfbSession.h"

namespace korvat::e2e {

enum class CellLook { Empty, Ball, Hint };

struct BoardLook {
    std::array<std::array<CellLook, 9>, 9> cells{};  // [x][y]
    std::array<std::array<Rgb, 9>, 9> signature{};   // a sprite pixel, the same for one colour
    int count(CellLook look) const;
};

// Device-screen point of a cell's sprite pixel (dx, dy).
SDL_Point cellPixel(int x, int y, int dx = 10, int dy = 10);
BoardLook readBoard(const XvfbSession& session, const Screenshot& shot);

// The five large digits at panel position 13 (best score) or 168 (score) on the screen now;
// -1 when a digit matches none of the digit sheet.
int readNumber(const XvfbSession& session, int panelX);

// Device points of the menu bar, found by asking a bar built the way the main window builds it;
// a point left at (0, 0) was not found.
struct MenuPoints {
    SDL_Point gameMenu{}, newGameItem{}, blockItem{}, saveItem{}, loadItem{}, undoButton{};
};
MenuPoints findMenuPoints();

}  // namespace korvat::e2e
