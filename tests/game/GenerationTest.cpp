#include <gtest/gtest.h>

#include <algorithm>

#include "FakeHost.h"

namespace korvat::test {
namespace {

using GenerationTest = GameTest;

TEST_F(GenerationTest, ColoursSkipZeroAndTakeRModEight) {
    host.scripted = {8, 17, 7, 16, 3};  // 0 is drawn again, 17 -> 1, 7 -> 7, 16 -> 0 again, 3
    game.pickNextColors();
    EXPECT_EQ(game.state.nextColors[0], 1);
    EXPECT_EQ(game.state.nextColors[1], 7);
    EXPECT_EQ(game.state.nextColors[2], 3);
}

TEST_F(GenerationTest, PlannedCellsAreEmptyDistinctAndDrawnXFirst) {
    put(game, {{1, 2}}, 4);
    // (1, 2) is taken, (3, 4) accepted, (3, 4) again refused, (12 -> 3, 5), (0, 0).
    host.scripted = {1, 2, 3, 4, 3, 4, 12, 5, 0, 0};
    game.planNextCells();
    EXPECT_EQ(game.state.nextCells[0], (CellPos{3, 4}));
    EXPECT_EQ(game.state.nextCells[1], (CellPos{3, 5}));
    EXPECT_EQ(game.state.nextCells[2], (CellPos{0, 0}));
}

TEST_F(GenerationTest, EndOfGameCountsTheTimeSpentTypingTheName) {
    for (int32_t x = 0; x < 9; ++x) {
        for (int32_t y = 0; y < 9; ++y) {
            game.state.board.at(x, y) = 1 + (x + 2 * y) % 4;  // no line anywhere
        }
    }
    put(game, {{3, 3}, {5, 5}}, EMPTY);
    game.state.score = 200;
    game.state.carriedSeconds = 3000;
    game.state.clockStartTick = 1000;
    host.tick = 1000;
    host.tickAfterNameDialog = 1000 + 725 * 1000 + 999;
    game.planNextCells();

    EXPECT_EQ(host.calls.front(), "gameEnded 200 1");  // 200 enters the default table
    ASSERT_EQ(host.count("askPlayerName"), 1);
    const HighScoreEntry& top = game.highScores.entries[0];
    EXPECT_EQ(top.score, 200u);
    EXPECT_EQ(top.hours, 1u);  // 3725 s
    EXPECT_EQ(top.minutes, 2u);
    EXPECT_EQ(top.seconds, 5u);
    EXPECT_EQ(game.state.clockStartTick, host.tick);  // the next game's clock starts now
}

}  // namespace
}  // namespace korvat::test
