#pragma once
// Shared by the shell tests: the display on SDL's offscreen driver with a fresh home folder, a
// move to play, and surfaces compared pixel by pixel.
#include <SDL.h>

#include <cstdint>
#include <string>

#include "PlatformTestSupport.h"
#include "game/Game.h"
#include "shell/GameDialog.h"

namespace korvat::shell::testing {

// HOME and the XDG folders in a temporary folder, removed afterwards, set before the fixture's
// members are made (a settings store takes its path when it is made).
class ShellTest : public platform::testing::DisplayTest {
  protected:
    ShellTest();
    ~ShellTest() override;
    std::string file(const std::string& name) const { return home_ + "/" + name; }

    std::string home_;
};

// A ball and a reachable empty cell that no coming ball is planned for, with a route of at
// least `minRouteCells` cells (start and destination included); {-1,-1} twice when none.
struct Move {
    CellPos from;
    CellPos to;
};
Move findMove(Game& game, int32_t minRouteCells = 2);

SDL_Color pixelAt(SDL_Surface* surface, int x, int y);
// True when the surfaces show the same colours in the rectangle.
bool samePixels(SDL_Surface* a, SDL_Surface* b, const SDL_Rect& r);

}  // namespace korvat::shell::testing
