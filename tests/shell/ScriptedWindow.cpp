#include "ScriptedWindow.h"

#include <gtest/gtest.h>

#include <cstring>
#include <utility>

#include "ShellTestSupport.h"
#include "platform/Display.h"
#include "shell/BoardCursor.h"
#include "ui/Layout.h"

namespace korvat::shell::testing {

int ScriptedWindow::run(std::vector<Step> steps) {
    steps_ = std::move(steps);
    next_ = 0;
    stoppedByWatchdog_ = false;
    platform::Display& display = platform::Display::instance();
    display.setTimer(*this, kStepTimer, 1);
    display.setTimer(*this, kWatchdogTimer, kWatchdogMs);
    const int result = display.runModal(*this);
    if (display.quitPosted()) {
        // A fresh display for the tests that follow.
        display.close();
        display.open("Korvat 1.2");
    }
    return result;
}

int ScriptedWindow::nextRandom() {
    // The classic portable rand(): 0 .. 32767, within any RAND_MAX.
    generator_ = generator_ * 1103515245u + 12345u;
    return static_cast<int>((generator_ >> 16) & 0x7FFF);
}

void ScriptedWindow::onTimer(int id) {
    platform::Display& display = platform::Display::instance();
    if (id == kWatchdogTimer) {
        stoppedByWatchdog_ = true;
        ADD_FAILURE() << "the script is stuck (a modal window waits for input?)";
        display.postQuit(0);
        return;
    }
    if (id != kStepTimer) {
        GameDialog::onTimer(id);
        return;
    }
    // Off while the step runs: dialogs it opens run nested loops that fire timers, too.
    display.killTimer(*this, kStepTimer);
    if (next_ >= steps_.size()) {
        endModal(kScriptDone);
        return;
    }
    const Step step = steps_[next_++];
    step();
    if (!modalEnded()) {
        display.setTimer(*this, kStepTimer, 1);
    }
}

Move findMove(Game& game, int32_t minRouteCells) {
    const GameState& state = game.state;
    for (int32_t fx = 0; fx < kBoardSize; ++fx) {
        for (int32_t fy = 0; fy < kBoardSize; ++fy) {
            if (state.board.at(fx, fy) == EMPTY) {
                continue;
            }
            for (int32_t tx = 0; tx < kBoardSize; ++tx) {
                for (int32_t ty = 0; ty < kBoardSize; ++ty) {
                    const CellPos to{tx, ty};
                    bool planned = false;
                    for (const CellPos& c : state.nextCells) {
                        planned = planned || c == to;
                    }
                    if (state.board.at(tx, ty) == EMPTY && !planned &&
                        game.findRoute(fx, fy, tx, ty) == 1 && routeCells(state) >= minRouteCells) {
                        return {{fx, fy}, to};
                    }
                }
            }
        }
    }
    return {{-1, -1}, {-1, -1}};
}

int32_t routeCells(const GameState& state) {
    int32_t n = 0;
    while (n < kCellCount && ui::isCell(state.route[n].x, state.route[n].y)) {
        ++n;
    }
    return n;
}

int ballCount(const Board& board) {
    int n = 0;
    for (int32_t c : board.cells) {
        n += c != EMPTY ? 1 : 0;
    }
    return n;
}

namespace {

void queueButton(Uint32 type, SDL_Point at) {
    SDL_Event e{};
    e.type = type;
    e.button.button = SDL_BUTTON_LEFT;
    e.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    e.button.clicks = 1;
    e.button.x = at.x;
    e.button.y = at.y;
    SDL_PushEvent(&e);
}

}  // namespace

void queueTap(CellPos cell) {
    const SDL_Point client = BoardCursor::tapPoint(cell);
    const SDL_Point at =
        platform::Display::instance().windowPoint(client.x, client.y + platform::kClientTop);
    queueButton(SDL_MOUSEBUTTONDOWN, at);
    queueButton(SDL_MOUSEBUTTONUP, at);
}

void queueKey(SDL_Keycode sym, Uint16 mod) {
    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.state = SDL_PRESSED;
    e.key.keysym.sym = sym;
    e.key.keysym.scancode = SDL_GetScancodeFromKey(sym);
    e.key.keysym.mod = mod;
    SDL_PushEvent(&e);
}

void queueText(const char* utf8) {
    SDL_Event e{};
    e.type = SDL_TEXTINPUT;
    std::strncpy(e.text.text, utf8, sizeof(e.text.text) - 1);
    SDL_PushEvent(&e);
}

SDL_Point spritePixel(CellPos cell, int dx, int dy) {
    const ui::Point origin = ui::cellOrigin(cell.x, cell.y);
    return {origin.x + dx, origin.y + dy + platform::kClientTop};
}

bool sameColor(SDL_Color a, SDL_Color b) {
    return a.r == b.r && a.g == b.g && a.b == b.b;
}

std::string describe(SDL_Color c) {
    return "(" + std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b) + ")";
}

}  // namespace korvat::shell::testing
