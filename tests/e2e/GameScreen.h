#pragma once
// Reads the game's board and panel off a screenshot, and knows where the menu bar puts things.
#include <SDL.h>

#include "XvfbSession.h"

namespace korvat::e2e {

enum class CellLook { Empty, Ball, Hint };

struct BoardLook {
    CellLook cells[9][9];  // [x][y]
    Rgb signature[9][9];   // a pixel of the ball's sprite, the same for balls of one colour
    int count(CellLook look) const;
};

// Device-screen point of a cell's sprite pixel (dx, dy).
SDL_Point cellPixel(int x, int y, int dx = 10, int dy = 10);
BoardLook readBoard(const XvfbSession& session, const Screenshot& shot);

// The five large digits at a panel position (13, 6) or (168, 6), read against the digit sheet;
// -1 when a digit matches none.
int readNumber(const XvfbSession& session, const Screenshot& shot, int panelX);

// Device points of the menu bar, found by asking a bar built the way the main window builds it.
struct MenuPoints {
    SDL_Point gameMenu{}, newGameItem{}, blockItem{}, saveItem{}, loadItem{}, undoButton{};
    bool complete = false;
};
MenuPoints findMenuPoints();

}  // namespace korvat::e2e
