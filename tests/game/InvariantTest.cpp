#include <gtest/gtest.h>

#include "FakeHost.h"

namespace korvat::test {
namespace {

// Plays many games through taps alone, choosing a ball and a free cell at random, and checks
// the board invariants after every tap.
class InvariantTest : public ::testing::TestWithParam<int> {};

void expectInvariants(const GameState& s) {
    for (int32_t cell : s.board.cells) {
        ASSERT_TRUE(cell == EMPTY || (cell >= 1 && cell <= 7));
    }
    for (int k = 0; k < 3; ++k) {
        ASSERT_TRUE(s.nextColors[k] >= 1 && s.nextColors[k] <= 7);
        ASSERT_EQ(s.board.at(s.nextCells[k].x, s.nextCells[k].y), EMPTY);
        for (int j = 0; j < k; ++j) {
            ASSERT_NE(s.nextCells[j], s.nextCells[k]);
        }
    }
}

TEST_P(InvariantTest, RandomGamesKeepTheBoardValid) {
    FakeHost host;
    Game game{host.roles()};
    game.initialise();
    if (GetParam() == 1) {
        game.onBlockMode();
    }
    game.onPaint();

    uint32_t picker = 12345;
    auto pick = [&picker](uint32_t n) {
        picker = picker * 1664525u + 1013904223u;
        return static_cast<int32_t>((picker >> 8) % n);
    };
    int gamesEnded = 0;
    for (int tapNo = 0; gamesEnded < 60 && tapNo < 100000; ++tapNo) {
        host.now += 1 + pick(3);
        host.tick += 700;
        host.calls.clear();
        const bool wantBall = game.state.selectedX < 0 || pick(4) == 0;
        int32_t x = pick(9);
        int32_t y = pick(9);
        for (int tries = 0; tries < 200 && (game.state.board.at(x, y) != EMPTY) != wantBall;
             ++tries) {
            x = pick(9);
            y = pick(9);
        }
        game.onBoardTap(pixelX(x), pixelY(y));
        gamesEnded += host.count("gameEnded");
        if (pick(40) == 0) {
            game.onUndo();
        }
        ASSERT_NO_FATAL_FAILURE(expectInvariants(game.state)) << "tap " << tapNo;
    }
    EXPECT_EQ(gamesEnded, 60);
}

INSTANTIATE_TEST_SUITE_P(BothRuleSets, InvariantTest, ::testing::Values(0, 1));

}  // namespace
}  // namespace korvat::test
