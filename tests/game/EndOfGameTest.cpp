#include <gtest/gtest.h>

#include "FakeHost.h"

namespace korvat::test {
namespace {

using EndOfGameTest = GameTest;

TEST_F(EndOfGameTest, EndOfGameCountsTheTimeSpentTypingTheName) {
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
