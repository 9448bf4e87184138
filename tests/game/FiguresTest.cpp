#include <gtest/gtest.h>

#include "FakeHost.h"

namespace korvat::test {
namespace {

class FiguresTest : public ::testing::Test {
  protected:
    void SetUp() override { clearBoard(game); }

    // Lines figure through (x, y): returns the points it scores and leaves the board cleared.
    uint32_t linesPoints(int32_t x, int32_t y) {
        game.state.score = 0;
        if (game.scanLines(x, y) != 1) {
            return 0;
        }
        game.clearLines();
        return game.state.score;
    }
    uint32_t blockPoints(int32_t x, int32_t y) {
        game.state.score = 0;
        if (game.scanBlocks(x, y) != 1) {
            return 0;
        }
        game.clearBlock();
        return game.state.score;
    }
    void row(int32_t y, int32_t fromX, int32_t toX, int32_t color) {
        for (int32_t x = fromX; x <= toX; ++x) {
            put(game, {{x, y}}, color);
        }
    }
    void column(int32_t x, int32_t fromY, int32_t toY, int32_t color) {
        for (int32_t y = fromY; y <= toY; ++y) {
            put(game, {{x, y}}, color);
        }
    }

    FakeHost host;
    Game game{host};
};

// --- Lines ---

TEST_F(FiguresTest, SingleRunsScoreByLength) {
    const uint32_t points[10] = {0, 0, 0, 0, 0, 5, 12, 21, 32, 45};
    for (int32_t length = 5; length <= 9; ++length) {
        clearBoard(game);
        row(4, 0, length - 1, 3);
        EXPECT_EQ(linesPoints(2, 4), points[length]) << "run of " << length;
        EXPECT_EQ(ballCount(game), 0);
    }
}

TEST_F(FiguresTest, EveryDirectionIsARun) {
    column(3, 2, 6, 1);
    EXPECT_EQ(linesPoints(3, 6), 5u);
    for (int32_t i = 0; i < 5; ++i) {
        put(game, {{i + 2, i + 1}}, 2);  // top-left to bottom-right
    }
    EXPECT_EQ(linesPoints(4, 3), 5u);
    for (int32_t i = 0; i < 5; ++i) {
        put(game, {{8 - i, i + 4}}, 5);  // top-right to bottom-left
    }
    EXPECT_EQ(linesPoints(8, 4), 5u);
    EXPECT_EQ(ballCount(game), 0);
}

TEST_F(FiguresTest, CrossingRunsCountTheCentreOncePerRun) {
    struct Case {
        int32_t across;  // run lengths through (4, 4), both starting at the centre's left/top
        int32_t down;
        int32_t diagonal;
        uint32_t points;
        int balls;
    };
    const Case cases[] = {
        {5, 5, 0, 10, 9},
        {5, 6, 0, 22, 10},
        {6, 6, 0, 36, 11},
        {5, 5, 5, 15, 13},
    };
    for (const Case& c : cases) {
        clearBoard(game);
        row(4, 4 - (c.across - 1) / 2, 4 - (c.across - 1) / 2 + c.across - 1, 7);
        column(4, 4 - (c.down - 1) / 2, 4 - (c.down - 1) / 2 + c.down - 1, 7);
        for (int32_t i = -2; c.diagonal != 0 && i <= 2; ++i) {
            put(game, {{4 + i, 4 + i}}, 7);
        }
        ASSERT_EQ(ballCount(game), c.balls);
        EXPECT_EQ(linesPoints(4, 4), c.points) << c.across << "+" << c.down;
        EXPECT_EQ(ballCount(game), 0);
    }
}

TEST_F(FiguresTest, RunCompletedInItsMiddleIsFound) {
    row(0, 0, 1, 4);
    row(0, 3, 4, 4);
    put(game, {{2, 0}}, 4);
    EXPECT_EQ(linesPoints(2, 0), 5u);
}

TEST_F(FiguresTest, LShapeRemovesOnlyTheFullRun) {
    row(8, 0, 4, 6);     // five across, the tested ball at (4, 8)
    column(4, 5, 7, 6);  // three more above it: four down with the tested ball
    EXPECT_EQ(linesPoints(4, 8), 5u);
    EXPECT_EQ(ballCount(game), 3);
    EXPECT_EQ(game.state.board.at(4, 7), 6);
}

TEST_F(FiguresTest, ShortRunsOtherColoursAndEmptyCellsAreNoFigure) {
    row(2, 0, 3, 1);
    EXPECT_EQ(linesPoints(3, 2), 0u);  // four in a row
    put(game, {{4, 2}}, 2);
    row(2, 5, 8, 1);
    EXPECT_EQ(linesPoints(3, 2), 0u);    // another colour splits the row
    EXPECT_EQ(game.scanLines(0, 7), 0);  // an empty cell, in an empty row
    EXPECT_EQ(ballCount(game), 9);
}

TEST_F(FiguresTest, RunNotThroughTheTestedCellStays) {
    row(0, 0, 4, 3);
    put(game, {{0, 1}}, 3);
    EXPECT_EQ(linesPoints(0, 1), 0u);
    EXPECT_EQ(ballCount(game), 6);
}

TEST_F(FiguresTest, LinesBurstFramesWaitAfterEachFigureAndRedrawThePanel) {
    host.recordDrawing = true;
    game.state.settings.explosionDelay = 40;
    game.state.settings.bestScore = 321;
    game.state.selectedX = 4;
    game.state.selectedY = 4;
    row(4, 2, 6, 2);
    column(4, 2, 6, 2);
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
    expected.insert(expected.end(), {"drawHints", "drawNumber 13 6 321", "drawNumber 168 6 10"});
    EXPECT_EQ(host.calls, expected);
    EXPECT_EQ(game.state.selectedX, -1);
    EXPECT_EQ(game.state.selectedY, -1);
}

TEST_F(FiguresTest, NegativeOrZeroExplosionDelayMeansNoWait) {
    for (uint32_t delay : {0u, 0x80000000u}) {
        clearBoard(game);
        game.state.settings.explosionDelay = delay;
        row(1, 0, 4, 1);
        ASSERT_EQ(game.scanLines(0, 1), 1);
        host.calls.clear();
        game.clearLines();
        EXPECT_EQ(host.count("sleep"), 0);
    }
}

// --- Block ---

TEST_F(FiguresTest, BlockPointsAndBallsBySquaresCompleted) {
    struct Case {
        const char* name;
        std::vector<CellPos> others;  // around the tested ball at (4, 4)
        uint32_t count;
        uint32_t points;
    };
    const Case cases[] = {
        {"one square", {{3, 3}, {3, 4}, {4, 3}}, 4, 4},
        {"two side by side", {{3, 3}, {3, 4}, {4, 3}, {5, 3}, {5, 4}}, 7, 12},
        {"two corner to corner", {{3, 3}, {3, 4}, {4, 3}, {5, 5}, {5, 4}, {4, 5}}, 7, 12},
        {"three", {{3, 3}, {3, 4}, {4, 3}, {5, 3}, {5, 4}, {3, 5}, {4, 5}}, 10, 18},
        {"four", {{3, 3}, {3, 4}, {4, 3}, {5, 3}, {5, 4}, {3, 5}, {4, 5}, {5, 5}}, 13, 24},
    };
    for (const Case& c : cases) {
        clearBoard(game);
        put(game, {{4, 4}}, 5);
        for (const CellPos& cell : c.others) {
            put(game, {cell}, 5);
        }
        ASSERT_EQ(game.scanBlocks(4, 4), 1) << c.name;
        EXPECT_EQ(game.state.figures[0].count, c.count) << c.name;
        EXPECT_EQ(blockPoints(4, 4), c.points) << c.name;
        EXPECT_EQ(ballCount(game), 0) << c.name;
    }
}

TEST_F(FiguresTest, BlockSquaresAtTheEdgesAndNonSquares) {
    put(game, {{0, 0}, {1, 0}, {0, 1}, {1, 1}}, 3);
    EXPECT_EQ(blockPoints(0, 0), 4u);
    put(game, {{8, 8}, {7, 8}, {8, 7}, {7, 7}}, 3);
    EXPECT_EQ(blockPoints(8, 8), 4u);
    row(0, 2, 5, 1);  // four in a row
    EXPECT_EQ(blockPoints(3, 0), 0u);
    put(game, {{2, 4}, {3, 4}, {2, 5}}, 1);
    put(game, {{3, 5}}, 2);  // the fourth of another colour
    EXPECT_EQ(blockPoints(3, 5), 0u);
    EXPECT_EQ(game.scanBlocks(7, 4), 0);  // empty cell inside an empty 2 x 2 area
    put(game, {{6, 6}, {7, 6}, {6, 7}}, 4);
    put(game, {{7, 7}}, 4);
    put(game, {{8, 6}}, 4);  // a square elsewhere stays when a cell outside it is tested
    EXPECT_EQ(blockPoints(8, 6), 0u);
}

TEST_F(FiguresTest, BlockBurstDoesNotWait) {
    game.state.settings.explosionDelay = 100;
    put(game, {{0, 0}, {1, 0}, {0, 1}, {1, 1}}, 3);
    ASSERT_EQ(game.scanBlocks(1, 1), 1);
    host.calls.clear();
    game.clearBlock();
    EXPECT_EQ(host.count("drawExplosionFrame 0"), 5);
    EXPECT_EQ(host.count("sleep"), 0);
    EXPECT_EQ(host.calls.back(), "drawNumber 168 6 4");
}

}  // namespace
}  // namespace korvat::test
