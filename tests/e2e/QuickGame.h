#pragma once
// The game started for a test as a player would find it: in a home folder of its own with all
// delays 0 (or a chosen move delay) and no sound, on a 1024 x 768 private X server.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "GameScreen.h"
#include "XvfbSession.h"

namespace korvat::e2e {

struct Move {
    int fromX = 0, fromY = 0, toX = 0, toY = 0;
};

// A ball with `length` free cells in a row beside it, none of them announced for a coming ball.
bool findMove(const BoardLook& board, Move& move, int length = 1);
// The ball has left its cell and stands on the target. The cell it left may already be
// announced for the next wave, so it shows either nothing or a hint.
bool ballMoved(const BoardLook& board, const Move& move);

class QuickGameTest : public ::testing::Test {
  protected:
    QuickGameTest();
    ~QuickGameTest() override;
    void SetUp() override;
    // The program's environment, DISPLAY included.
    std::vector<std::string> environment() const;
    std::string program() const { return home + "/korvat"; }
    std::string settingsPath() const { return home + "/config/korvat/korvat.conf"; }

    // The board once two reads a moment apart agree and show balls.
    BoardLook settledBoard() const;
    // The settled board once `done` holds for it (up to 5 s; the last board read otherwise):
    // a busy machine may leave the old board on the screen for a while.
    BoardLook waitForBoard(const std::function<bool(const BoardLook&)>& done) const;
    // The best score (100) read in place within timeoutMs: the whole screen at its whole scale.
    bool screenInPlace(int timeoutMs);
    // Whether the sprite of cell (x, y) differs from its look in `before` within two seconds: a
    // selected ball bounces. Its last row and column are left out (the keyboard cursor's frame
    // runs there).
    bool spriteChanges(const Screenshot& before, int x, int y) const;
    void clickDevice(SDL_Point p);
    void clickCell(int x, int y) { clickDevice(cellPixel(x, y)); }

    uint32_t moveDelay = 0;  // set before SetUp
    XvfbSession session{1024, 768};
    std::string home;
};

}  // namespace korvat::e2e
