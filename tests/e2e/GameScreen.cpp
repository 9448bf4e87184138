#include "GameScreen.h"

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

SDL_Point centre(const SDL_Rect& r) {
    return {r.x + r.w / 2, r.y + r.h / 2};
}

}  // namespace

int BoardLook::count(CellLook look) const {
    int n = 0;
    for (const auto& column : cells) {
        for (CellLook cell : column)
            n += cell == look;
    }
    return n;
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
    int value = 0;
    for (int k = 0; k < 5; ++k) {
        int found = -1;
        for (int d = 0; d < 10 && found < 0; ++d) {
            bool same = true;
            for (int y = 0; y < 20 && same; ++y) {
                for (int x = 0; x < 10 && same; ++x) {
                    const SDL_Point p = deviceOfClient(panelX + 12 * k + x, 6 + y);
                    same =
                        session.devicePixel(shot, p.x, p.y) == surfacePixel(digits, 10 * d + x, y);
                }
            }
            if (same)
                found = d;
        }
        if (found < 0) {
            value = -1;
            break;
        }
        value = value * 10 + found;
    }
    SDL_FreeSurface(digits);
    return value;
}

MenuPoints findMenuPoints() {
    MenuPoints points;
    std::unique_ptr<platform::CommandBar> bar = shell::buildMenuBar();
    if (!bar || bar->dropDownCount() < 1)
        return points;
    points.gameMenu = centre(bar->dropDownRect(0));

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
    // Buttons of the strip.
    bool found = true;
    for (int x = 0; x < platform::kScreenWidth; ++x) {
        const int command = bar->commandAt(x, platform::kMenuBarTop + 13);
        if (command == command::kUndo && points.undoButton.x == 0)
            points.undoButton = {x + 4, platform::kMenuBarTop + 13};
        if (command == command::kNewGame && points.newGameButton.x == 0)
            points.newGameButton = {x + 4, platform::kMenuBarTop + 13};
    }
    // The Game pop-up and its items.
    bar->mouseDown(points.gameMenu.x, points.gameMenu.y);
    bar->mouseUp(points.gameMenu.x, points.gameMenu.y);
    found = found && itemPoint(command::kSaveGame, points.saveItem) &&
            itemPoint(command::kLoadGame, points.loadItem);
    // "New game" is the first row of the pop-up: the row that opens a second level.
    const std::vector<SDL_Rect> levels = bar->popupRects();
    if (levels.empty())
        return points;
    const SDL_Rect top = levels.front();
    for (int y = top.y; y < top.y + 30 && points.newGameItem.x == 0; ++y) {
        const SDL_Point probe{top.x + 20, y};
        bar->mouseDown(probe.x, probe.y);
        bar->mouseUp(probe.x, probe.y);
        if (bar->popupRects().size() == 2)
            points.newGameItem = {probe.x, probe.y + 4};
        if (!bar->menuOpen()) {
            bar->mouseDown(points.gameMenu.x, points.gameMenu.y);
            bar->mouseUp(points.gameMenu.x, points.gameMenu.y);
        }
    }
    found = found && points.newGameItem.x != 0 &&
            itemPoint(command::kBlockMode, points.blockItem) &&
            itemPoint(command::kLinesMode, points.linesItem);
    points.complete = found && points.undoButton.x != 0 && points.newGameButton.x != 0;
    return points;
}

}  // namespace korvat::e2e
