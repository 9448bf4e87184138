#pragma once
// The game started for a test as a player would find it, in a home folder of its own with all
// delays 0 (or a chosen move delay) and no sound, on a 1024 x 768 private X server; the board read
// once it has settled.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "GameScreen.h"
#include "XvfbSession.h"

namespace korvat::e2e {

class TempHome {
  public:
    TempHome();
    ~TempHome();
    TempHome(const TempHome&) = delete;
    TempHome& operator=(const TempHome&) = delete;
    std::string path;
};

struct Move {
    int fromX = 0, fromY = 0, toX = 0, toY = 0;
};

// A ball with a free neighbour that no coming ball is announced for.
bool findMove(const BoardLook& board, Move& move);
bool sameCells(const BoardLook& a, const BoardLook& b);
// The ball has left its cell and stands on the target. The cell it left may already be
// announced for the next wave, so it shows either nothing or a hint.
bool ballMoved(const BoardLook& board, const Move& move);

class QuickGameTest : public ::testing::Test {
  protected:
    void SetUp() override;
    // The program's environment beside DISPLAY.
    std::vector<std::string> environment() const;
    std::string program() const { return home.path + "/korvat"; }
    // The board once two reads a moment apart agree and show balls.
    BoardLook settledBoard();
    // The settled board once `done` holds for it (up to 5 s; the last board read otherwise):
    // a busy machine may leave the old board on the screen for a while.
    BoardLook waitForBoard(const std::function<bool(const BoardLook&)>& done);
    // Whether the sprite of cell (x, y) differs from its look in `before` within two seconds: a
    // selected ball bounces. Its last row and column are left out (the keyboard cursor's frame
    // runs there).
    bool spriteChanges(const Screenshot& before, int x, int y);
    // KORVAT_E2E_SHOTS=DIR keeps the screen as DIR/<step>.xwd.
    void keepShot(const char* step) const;

    uint32_t moveDelay = 0;  // set before SetUp
    XvfbSession session{1024, 768};
    TempHome home;
};

}  // namespace korvat::e2e
