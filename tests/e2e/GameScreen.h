#pragma once
// Reads the game's board and panel off the screen.
#include <SDL.h>

#include <algorithm>
#include <array>
#include <vector>

#include "XvfbSession.h"
#include "ui/Blit.h"

namespace korvat::e2e {

enum class CellLook { Empty, Ball, Hint };

struct BoardLook {
    std::array<std::array<CellLook, 9>, 9> cells{};  // [x][y]
    // Whether each cell shows `look`, column by column as saved games list them.
    std::vector<bool> where(CellLook look) const;
    int count(CellLook look) const {
        return static_cast<int>(std::ranges::count(where(look), true));
    }
};

// Device-screen point of a cell's sprite pixel (dx, dy).
SDL_Point cellPixel(int x, int y, int dx = 10, int dy = 10);
BoardLook readBoard(const XvfbSession& session, const Screenshot& shot);

// Bitmap resource `id` as 0xAARRGGBB pixels; null when it cannot be loaded.
using Surface = ui::SurfacePtr;
Surface argbBitmap(int id);
inline uint32_t argbAt(const Surface& surface, int x, int y) {
    return static_cast<const uint32_t*>(surface->pixels)[y * surface->pitch / 4 + x];
}
// Device pixels from `at` on that differ from the area `from` of an 0xAARRGGBB surface.
int differences(const XvfbSession& session, const Screenshot& shot, const Surface& expected,
                const SDL_Rect& from, SDL_Point at);

// Whether the five digits at panel x 13 (best score) or 168 (score) show `value` pixel for pixel.
bool showsNumber(const XvfbSession& session, int panelX, int value);

}  // namespace korvat::e2e
