#include "GameScreen.h"

#include "assets/Resources.h"
#include "platform/Display.h"
#include "platform/Resources.h"
#include "ui/Layout.h"

namespace korvat::e2e {

constexpr Rgb kTileGrey{192, 192, 192};

std::vector<bool> BoardLook::where(CellLook look) const {
    std::vector<bool> found;
    for (int cell = 0; cell < 81; ++cell)
        found.push_back(cells[cell / 9][cell % 9] == look);
    return found;
}

SDL_Point cellPixel(int x, int y, int dx, int dy) {
    const ui::Point origin = ui::cellOrigin(x, y);
    return {origin.x + dx, origin.y + dy + platform::kClientTop};
}

BoardLook readBoard(const XvfbSession& session, const Screenshot& shot) {
    BoardLook board;
    for (int cell = 0; cell < 81; ++cell) {
        const int x = cell / 9, y = cell % 9;
        // A resting ball reaches the sprite's left part; a 9-pixel hint only its middle.
        const SDL_Point side = cellPixel(x, y, 4, 10), middle = cellPixel(x, y);
        board.cells[x][y] = session.devicePixel(shot, side.x, side.y) != kTileGrey ? CellLook::Ball
                            : session.devicePixel(shot, middle.x, middle.y) == kTileGrey
                                ? CellLook::Empty
                                : CellLook::Hint;
    }
    return board;
}

Surface argbBitmap(int id) {
    const Surface bitmap(platform::loadBitmap(id));
    return Surface(bitmap ? SDL_ConvertSurfaceFormat(bitmap.get(), SDL_PIXELFORMAT_ARGB8888, 0)
                          : nullptr);
}

int differences(const XvfbSession& session, const Screenshot& shot, const Surface& expected,
                const SDL_Rect& from, SDL_Point at) {
    int count = 0;
    for (int y = 0; y < from.h; ++y) {
        for (int x = 0; x < from.w; ++x) {
            const uint32_t p = argbAt(expected, from.x + x, from.y + y);
            count += session.devicePixel(shot, at.x + x, at.y + y) !=
                     Rgb{uint8_t(p >> 16), uint8_t(p >> 8), uint8_t(p)};
        }
    }
    return count;
}

bool showsNumber(const XvfbSession& session, int panelX, int value) {
    const Surface digits = argbBitmap(res::kScoreDigits);
    const Screenshot shot = session.screenshot();
    bool shown = digits != nullptr;
    for (int k = 4; k >= 0 && shown; --k, value /= 10)
        shown = differences(session, shot, digits, {10 * (value % 10), 0, 10, 20},
                            {panelX + 12 * k, platform::kClientTop + 6}) == 0;
    return shown;
}

}  // namespace korvat::e2e
