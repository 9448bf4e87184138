#include <gtest/gtest.h>

#include "FakeHost.h"

namespace korvat::test {
namespace {

// Plays many games through taps alone, choosing a ball and a free cell at random, and checks
// the board invariants after every tap.
class InvariantTest : public ::testing::TestWithParam<int> {};

void expectInvariants(const Game& game, int gameNo, int tapNo) {
    const GameState& s = game.state;
    for (int32_t cell : s.board.cells) {
        ASSERT_TRUE(cell == EMPTY || (cell >= 1 && cell <= 7))
            << "game " << gameNo << " tap " << tapNo;
    }
    for (int k = 0; k < 3; ++k) {
        ASSERT_GE(s.nextColors[k], 1);
        ASSERT_LE(s.nextColors[k], 7);
        const CellPos cell = s.nextCells[k];
        ASSERT_TRUE(cell.x >= 0 && cell.x < 9 && cell.y >= 0 && cell.y < 9);
        ASSERT_EQ(s.board.at(cell.x, cell.y), EMPTY) << "game " << gameNo << " tap " << tapNo;
        for (int j = 0; j < k; ++j) {
            ASSERT_NE(s.nextCells[j], cell);
        }
    }
    ASSERT_TRUE((s.selectedX == -1 && s.selectedY == -1) ||
                (s.selectedX >= 0 && s.selectedX < 9 && s.selectedY >= 0 && s.selectedY < 9));
    ASSERT_TRUE(s.undoAvailable == 0 || s.undoAvailable == 1);
}

TEST_P(InvariantTest, RandomGamesKeepTheBoardValid) {
    FakeHost host;
    host.recordDrawing = false;
    host.playerName = "bot";
    Game game{host};
    game.initialise();
    if (GetParam() == 1) {
        game.onBlockMode();
    }
    game.onPaint();

    uint32_t picker = 12345;
    auto pick = [&picker](uint32_t n) {
        picker = picker * 1664525u + 1013904223u;
        return (picker >> 8) % n;
    };

    int gamesEnded = 0;
    uint32_t lastScore = 0;
    for (int tapNo = 0; gamesEnded < 150 && tapNo < 200000; ++tapNo) {
        host.now += 1 + pick(3);
        host.tick += 700;
        host.calls.clear();
        int32_t x = 0;
        int32_t y = 0;
        const bool wantBall = game.state.selectedX < 0 || pick(4) == 0;
        for (int tries = 0; tries < 200; ++tries) {
            x = static_cast<int32_t>(pick(9));
            y = static_cast<int32_t>(pick(9));
            if ((game.state.board.at(x, y) != EMPTY) == wantBall) {
                break;
            }
        }
        // Now and then a tap on a stray pixel of the board's edge.
        const int32_t px = pick(50) == 0 ? 236 : pixelX(x);
        game.onBoardTap(px, pixelY(y));

        const bool ended = host.count("message No more move!") > 0;
        gamesEnded += ended ? 1 : 0;
        if (!ended) {
            ASSERT_GE(game.state.score, lastScore);
        }
        lastScore = game.state.score;
        expectInvariants(game, gamesEnded, tapNo);
        if (::testing::Test::HasFatalFailure()) {
            return;
        }
        if (pick(40) == 0) {
            game.onUndo();
            expectInvariants(game, gamesEnded, tapNo);
            lastScore = game.state.score;
        }
    }
    EXPECT_EQ(gamesEnded, 150);
    EXPECT_GE(game.highScores.entries[0].score, 100u);
}

INSTANTIATE_TEST_SUITE_P(BothRuleSets, InvariantTest, ::testing::Values(0, 1));

}  // namespace
}  // namespace korvat::test
