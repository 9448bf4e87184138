#include "ShellTestSupport.h"

#include <stdlib.h>

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "shell/BoardCursor.h"
#include "ui/Layout.h"

namespace korvat::shell::testing {

ShellTest::ShellTest() {
    home_ = (std::filesystem::temp_directory_path() / "korvat-shell-XXXXXX").string();
    EXPECT_NE(mkdtemp(home_.data()), nullptr);
    setenv("HOME", home_.c_str(), 1);
    setenv("XDG_CONFIG_HOME", file("config").c_str(), 1);
    setenv("XDG_DATA_HOME", file("data").c_str(), 1);
}

ShellTest::~ShellTest() {
    std::error_code ignored;
    std::filesystem::remove_all(home_, ignored);
}

constexpr int kStepTimer = 9001;
constexpr int kWatchdogTimer = 9002;

int ScriptedWindow::run(std::vector<Step> steps) {
    steps_ = std::move(steps);
    next_ = 0;
    platform::Display& display = platform::Display::instance();
    display.setTimer(*this, kStepTimer, 1);
    display.setTimer(*this, kWatchdogTimer, 60'000);
    const int result = display.runModal(*this);
    display.killTimer(*this, kWatchdogTimer);
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
        ADD_FAILURE() << "the script is stuck (a modal window waits for input?)";
        display.postQuit(0);
    } else if (id != kStepTimer) {
        GameDialog::onTimer(id);
    } else if (next_ >= steps_.size()) {
        endModal(77);
    } else {
        // Off while the step runs: dialogs it opens run nested loops that fire timers, too.
        display.killTimer(*this, kStepTimer);
        steps_[next_++]();
        if (!modalEnded()) {
            display.setTimer(*this, kStepTimer, 1);
        }
    }
}

Move findMove(Game& game, int32_t minRouteCells) {
    const GameState& state = game.state;
    for (int32_t from = 0; from < kCellCount; ++from) {
        for (int32_t to = 0; to < kCellCount; ++to) {
            const CellPos f{from / kBoardSize, from % kBoardSize},
                t{to / kBoardSize, to % kBoardSize};
            const bool planned = std::ranges::find(state.nextCells, t) != std::end(state.nextCells);
            if (state.board.at(f.x, f.y) != EMPTY && state.board.at(t.x, t.y) == EMPTY &&
                !planned && game.findRoute(f.x, f.y, t.x, t.y) == 1 &&
                routeCells(state) >= minRouteCells) {
                return {f, t};
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

void queueMove(const Move& move) {
    for (const CellPos cell : {move.from, move.to}) {
        const SDL_Point p = BoardCursor::tapPoint(cell);
        platform::testing::pushClick(p.x, p.y + platform::kClientTop);
    }
}

SDL_Color pixelAt(SDL_Surface* surface, int x, int y) {
    const int bpp = surface->format->BytesPerPixel;
    Uint32 value = 0;  // little-endian: the pixel's bytes are the low ones
    std::memcpy(&value, static_cast<const uint8_t*>(surface->pixels) + y * surface->pitch + x * bpp,
                static_cast<size_t>(bpp));
    SDL_Color c{0, 0, 0, 255};
    SDL_GetRGB(value, surface->format, &c.r, &c.g, &c.b);
    return c;
}

bool sameColor(SDL_Color a, SDL_Color b) {
    return a.r == b.r && a.g == b.g && a.b == b.b;
}

bool samePixels(SDL_Surface* a, SDL_Surface* b, const SDL_Rect& r) {
    for (int y = r.y; y < r.y + r.h; ++y) {
        for (int x = r.x; x < r.x + r.w; ++x) {
            if (!sameColor(pixelAt(a, x, y), pixelAt(b, x, y))) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace korvat::shell::testing
