#include <gtest/gtest.h>

#include "FakeHost.h"

namespace korvat::test {
namespace {

class FiguresTest : public GameTest {
  protected:
    // Lines figure through (x, y): returns the points it scores and leaves the board cleared.
    uint32_t linesPoints(int32_t x, int32_t y) {
        game.state.score = 0;
        if (game.scanLines(x, y) != 1) {
            return 0;
        }
        game.clearLines();
        return game.state.score;
    }
    void row(int32_t y, int32_t fromX, int32_t toX, int32_t color) {
        for (int32_t x = fromX; x <= toX; ++x) {
            put(game, {{x, y}}, color);
        }
    }
};

TEST_F(FiguresTest, PointsCountTheCentreOncePerRun) {
    struct Case {
        int32_t across;  // run lengths through (4, 4)
        int32_t down;
        int32_t diagonal;  // a run of five falling (1) or rising (-1) to the right
        uint32_t points;
        int balls;
    };
    const Case cases[] = {
        {7, 0, 0, 21, 7},  {8, 0, 0, 32, 8},  {5, 6, 0, 22, 10},
        {6, 6, 0, 36, 11}, {5, 5, 1, 15, 13}, {0, 0, -1, 5, 5},
    };
    for (const Case& c : cases) {
        clearBoard(game);
        const int32_t left = 4 - (c.across - 1) / 2;
        row(4, left, left + c.across - 1, 7);
        const int32_t top = 4 - (c.down - 1) / 2;
        for (int32_t y = top; y < top + c.down; ++y) {
            put(game, {{4, y}}, 7);
        }
        for (int32_t i = -2; c.diagonal != 0 && i <= 2; ++i) {
            put(game, {{4 + i, 4 + c.diagonal * i}}, 7);
        }
        ASSERT_EQ(ballCount(game), c.balls);
        EXPECT_EQ(linesPoints(4, 4), c.points) << c.across << "+" << c.down << "+" << c.diagonal;
        EXPECT_EQ(ballCount(game), 0);
    }
}

TEST_F(FiguresTest, RunThatDoesNotPassTheTestedBallStays) {
    row(0, 0, 4, 3);
    put(game, {{0, 1}}, 3);
    EXPECT_EQ(linesPoints(0, 1), 0u);
    EXPECT_EQ(ballCount(game), 6);
}

TEST_F(FiguresTest, LinesBurstWaitsAfterEachFrameButBlockBurstDoesNot) {
    game.state.settings.explosionDelay = 40;
    game.state.selectedX = 4;
    game.state.selectedY = 4;
    row(4, 2, 6, 2);
    for (int32_t y = 2; y <= 6; ++y) {
        put(game, {{4, y}}, 2);
    }
    ASSERT_EQ(game.scanLines(4, 4), 1);
    host.calls.clear();
    game.clearLines();
    std::vector<std::string> expected;
    for (int r = 5; r <= 9; ++r) {
        for (int f : {0, 2}) {
            expected.push_back("drawExplosionFrame " + std::to_string(f) + " " + std::to_string(r));
            expected.push_back("sleep 40");
        }
    }
    expected.insert(expected.end(), {"drawHints", "drawScores"});
    EXPECT_EQ(host.calls, expected);
    EXPECT_EQ(game.state.selectedX, -1);
    EXPECT_EQ(game.state.selectedY, -1);

    // A delay that reads as negative means no wait at all.
    game.state.settings.explosionDelay = 0x80000000u;
    row(1, 0, 4, 1);
    ASSERT_EQ(game.scanLines(0, 1), 1);
    host.calls.clear();
    game.clearLines();
    EXPECT_EQ(host.count("sleep"), 0);

    game.state.settings.explosionDelay = 100;
    game.state.score = 0;
    put(game, {{0, 0}, {1, 0}, {0, 1}, {1, 1}}, 3);
    ASSERT_EQ(game.scanBlocks(1, 1), 1);
    host.calls.clear();
    game.clearBlock();
    EXPECT_EQ(host.count("drawExplosionFrame 0"), 5);
    EXPECT_EQ(host.count("sleep"), 0);
    EXPECT_EQ(host.calls.back(), "drawScores");
    EXPECT_EQ(game.state.score, 4u);
}

}  // namespace
}  // namespace korvat::test
