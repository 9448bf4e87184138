#pragma once
// Shared by the shell tests: the display on SDL's offscreen driver with a fresh home folder, a
// move to play, and surfaces compared pixel by pixel.
#include <SDL.h>
#include <stdlib.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>

#include "../storage/TempFolder.h"
#include "PlatformTestSupport.h"
#include "assets/Commands.h"
#include "game/Game.h"
#include "shell/MainWindow.h"

namespace korvat::shell::testing {

// HOME and the XDG folders in a temporary folder, removed afterwards, set before the fixture's
// members are made (a settings store takes its path when it is made).
class ShellTest : public platform::testing::DisplayTest {
  protected:
    ShellTest() {
        setenv("HOME", home_.path.c_str(), 1);
        setenv("XDG_CONFIG_HOME", file("config").c_str(), 1);
        setenv("XDG_DATA_HOME", file("data").c_str(), 1);
    }
    std::string file(const std::string& name) const { return home_.file(name); }

    const korvat::testing::TempFolder home_;
};

// A ball and a reachable empty cell that no coming ball is planned for; {-1,-1} twice for none.
struct Move {
    CellPos from;
    CellPos to;
};
inline Move findMove(Game& game) {
    const GameState& s = game.state;
    for (int32_t from = 0; from < kCellCount; ++from) {
        for (int32_t to = 0; to < kCellCount; ++to) {
            const CellPos f{from / kBoardSize, from % kBoardSize},
                t{to / kBoardSize, to % kBoardSize};
            if (s.board.at(f.x, f.y) != EMPTY && s.board.at(t.x, t.y) == EMPTY &&
                std::ranges::count(s.next.cells, t) == 0 &&
                game.findRoute(f.x, f.y, t.x, t.y) == 1) {
                return {f, t};
            }
        }
    }
    return {{-1, -1}, {-1, -1}};
}

// True when the surfaces show the same colours in the rectangle.
inline bool samePixels(SDL_Surface* a, SDL_Surface* b, const SDL_Rect& r) {
    SDL_Surface* p = SDL_ConvertSurfaceFormat(a, SDL_PIXELFORMAT_RGB24, 0);
    SDL_Surface* q = SDL_ConvertSurfaceFormat(b, SDL_PIXELFORMAT_RGB24, 0);
    bool same = true;
    for (int y = r.y; y < r.y + r.h; ++y) {
        const int p0 = y * p->pitch + 3 * r.x, q0 = y * q->pitch + 3 * r.x;
        same = same && std::memcmp(static_cast<uint8_t*>(p->pixels) + p0,
                                   static_cast<uint8_t*>(q->pixels) + q0, 3 * r.w) == 0;
    }
    SDL_FreeSurface(p);
    SDL_FreeSurface(q);
    return same;
}

}  // namespace korvat::shell::testing
