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

SDL_Point deviceOfClient(int x, int y) {
    return {x, y + platform::kClientTop};
}

Rgb surfacePixel(SDL_Surface* surface, int x, int y) {
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
    return deviceOfClient(origin.x + dx, origin.y + dy);
}

BoardLook readBoard(const XvfbSession& session, const Screenshot& shot) {
    BoardLook board{};
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

int readNumber(const XvfbSession& session, const Screenshot& shot, int panelX) {
    SDL_Surface* digits = platform::loadBitmap(res::kScoreDigits);
    if (!digits)
        return -1;
    auto digitShown = [&](int k, int d) {
        for (int y = 0; y < 20; ++y) {
            for (int x = 0; x < 10; ++x) {
                const SDL_Point p = deviceOfClient(panelX + 12 * k + x, 6 + y);
                if (!(session.devicePixel(shot, p.x, p.y) == surfacePixel(digits, 10 * d + x, y)))
                    return false;
            }
        }
        return true;
    };
    int value = 0;
    for (int k = 0; k < 5 && value >= 0; ++k) {
        int d = 0;
        while (d < 10 && !digitShown(k, d))
            ++d;
        value = d < 10 ? value * 10 + d : -1;
    }
    SDL_FreeSurface(digits);
    return value;
}

MenuPoints findMenuPoints() {
    MenuPoints points;
    std::unique_ptr<platform::CommandBar> bar = shell::buildMenuBar();
    if (!bar || bar->dropDownCount() < 1)
        return points;
    const SDL_Rect menu = bar->dropDownRect(0);
    points.gameMenu = {menu.x + menu.w / 2, menu.y + menu.h / 2};
    auto click = [&](SDL_Point p) {
        bar->mouseDown(p.x, p.y);
        bar->mouseUp(p.x, p.y);
    };
    auto itemPoint = [&](int command, SDL_Point& out) {
        for (int y = platform::kClientTop; y < platform::kMenuBarTop; ++y) {
            for (int x = 0; x < platform::kScreenWidth; x += 8) {
                if (bar->commandAt(x, y) == command) {
                    out = {x + 4, y + 6};  // well inside the item's row
                    return bar->commandAt(out.x, out.y) == command;
                }
            }
        }
        return false;
    };
    const int stripY = platform::kMenuBarTop + 13;
    for (int x = 0; x < platform::kScreenWidth && points.undoButton.x == 0; ++x) {
        if (bar->commandAt(x, stripY) == command::kUndo)
            points.undoButton = {x + 4, stripY};
    }
    // The Game pop-up and its items.
    click(points.gameMenu);
    const bool found = itemPoint(command::kSaveGame, points.saveItem) &&
                       itemPoint(command::kLoadGame, points.loadItem);
    // "New game" is the first row of the pop-up: the row that opens a second level.
    const std::vector<SDL_Rect> levels = bar->popupRects();
    if (levels.empty())
        return points;
    const SDL_Rect top = levels.front();
    for (int y = top.y; y < top.y + 30 && points.newGameItem.x == 0; ++y) {
        click({top.x + 20, y});
        if (bar->popupRects().size() == 2)
            points.newGameItem = {top.x + 20, y + 4};
        if (!bar->menuOpen())
            click(points.gameMenu);
    }
    points.complete = found && points.newGameItem.x != 0 && points.undoButton.x != 0 &&
                      itemPoint(command::kBlockMode, points.blockItem);
    return points;
}

}  // namespace korvat::e2e
