#include "GameScreen.h"

#include <algorithm>
#include <memory>

#include "assets/Commands.h"
#include "assets/Resources.h"
#include "platform/CommandBar.h"
#include "platform/Display.h"
#include "platform/Resources.h"
#include "shell/MenuBar.h"
#include "ui/Layout.h"

namespace korvat::e2e {
namespace {

constexpr Rgb kTileGrey{192, 192, 192};

Rgb surfacePixel(const SDL_Surface* surface, int x, int y) {
    Uint32 value = 0;
    const auto* row = static_cast<const Uint8*>(surface->pixels) + y * surface->pitch;
    SDL_memcpy(&value, row + x * surface->format->BytesPerPixel, surface->format->BytesPerPixel);
    Rgb rgb;
    SDL_GetRGB(value, surface->format, &rgb.r, &rgb.g, &rgb.b);
    return rgb;
}

}  // namespace

int BoardLook::count(CellLook look) const {
    return static_cast<int>(std::count(&cells[0][0], &cells[0][0] + 81, look));
}

SDL_Point cellPixel(int x, int y, int dx, int dy) {
    const ui::Point origin = ui::cellOrigin(x, y);
    return {origin.x + dx, origin.y + dy + platform::kClientTop};
}

BoardLook readBoard(const XvfbSession& session, const Screenshot& shot) {
    BoardLook board;
    for (int x = 0; x < 9; ++x) {
        for (int y = 0; y < 9; ++y) {
            // A resting ball reaches the sprite's left part; a 9-pixel hint only its middle.
            const SDL_Point side = cellPixel(x, y, 4, 10), middle = cellPixel(x, y);
            const Rgb sidePixel = session.devicePixel(shot, side.x, side.y);
            const Rgb middlePixel = session.devicePixel(shot, middle.x, middle.y);
            board.signature[x][y] = sidePixel;
            board.cells[x][y] = !(sidePixel == kTileGrey)     ? CellLook::Ball
                                : !(middlePixel == kTileGrey) ? CellLook::Hint
                                                              : CellLook::Empty;
        }
    }
    return board;
}

int readNumber(const XvfbSession& session, int panelX) {
    const std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)> digits(
        platform::loadBitmap(res::kScoreDigits), SDL_FreeSurface);
    if (!digits)
        return -1;
    const Screenshot shot = session.screenshot();
    const auto shown = [&](int k, int d) {
        for (int y = 0; y < 20; ++y) {
            for (int x = 0; x < 10; ++x) {
                const Rgb pixel =
                    session.devicePixel(shot, panelX + 12 * k + x, platform::kClientTop + 6 + y);
                if (!(pixel == surfacePixel(digits.get(), 10 * d + x, y)))
                    return false;
            }
        }
        return true;
    };
    int value = 0;
    for (int k = 0; k < 5 && value >= 0; ++k) {
        int d = 0;
        while (d < 10 && !shown(k, d))
            ++d;
        value = d < 10 ? value * 10 + d : -1;
    }
    return value;
}

MenuPoints findMenuPoints() {
    MenuPoints points;
    const std::unique_ptr<platform::CommandBar> bar = shell::buildMenuBar();
    // A point well inside the button or the shown item of `command`.
    const auto pointOf = [&](int command) {
        for (int y = 0; y < platform::kScreenHeight; ++y) {
            for (int x = 0; x < platform::kScreenWidth; ++x) {
                if (bar->commandAt(x, y) == command && bar->commandAt(x + 4, y + 6) == command)
                    return SDL_Point{x + 4, y + 6};
            }
        }
        return SDL_Point{};
    };
    const auto click = [&](SDL_Point p) {
        bar->mouseDown(p.x, p.y);
        bar->mouseUp(p.x, p.y);
    };
    points.undoButton = pointOf(command::kUndo);
    const SDL_Rect game = bar->dropDownRect(0);
    points.gameMenu = {game.x + game.w / 2, game.y + game.h / 2};
    click(points.gameMenu);
    points.saveItem = pointOf(command::kSaveGame);
    points.loadItem = pointOf(command::kLoadGame);
    // "New game", the first row of the pop-up, opens a second level.
    if (bar->popupRects().size() == 1) {
        const SDL_Rect popup = bar->popupRects().front();
        points.newGameItem = {popup.x + 20, popup.y + 10};
        click(points.newGameItem);
        points.blockItem = pointOf(command::kBlockMode);
    }
    return points;
}

}  // namespace korvat::e2e
