#include <gtest/gtest.h>

#include <cstdlib>

#include "FakeHost.h"

namespace korvat::test {
namespace {

class PathSearchTest : public ::testing::Test {
  protected:
    void SetUp() override { clearBoard(game); }

    void expectRoute(std::initializer_list<CellPos> cells) {
        int i = 0;
        for (const CellPos& cell : cells) {
            EXPECT_EQ(game.state.route[i], cell) << "position " << i;
            ++i;
        }
        for (; i < kCellCount; ++i) {
            ASSERT_EQ(game.state.route[i], CellPos{}) << "position " << i;
        }
    }

    FakeHost host;
    Game game{host};
};

TEST_F(PathSearchTest, AmongEqualRoutesGoesRightAlongTheTopThenDown) {
    put(game, {{0, 0}}, 3);
    ASSERT_EQ(game.findRoute(0, 0, 2, 2), 1);
    expectRoute({{0, 0}, {1, 0}, {2, 0}, {2, 1}, {2, 2}});
}

TEST_F(PathSearchTest, WalkBackPrefersDownThenRightThenUpThenLeft) {
    // Up and to the left: walking back from the destination the cell below wins while it
    // lies closer to the start, so the ball first goes left along its row, then up.
    put(game, {{4, 4}}, 1);
    ASSERT_EQ(game.findRoute(4, 4, 2, 2), 1);
    expectRoute({{4, 4}, {3, 4}, {2, 4}, {2, 3}, {2, 2}});
    // Down and to the left: below is farther, right is closer, so down first, then left.
    ASSERT_EQ(game.findRoute(4, 4, 2, 6), 1);
    expectRoute({{4, 4}, {4, 5}, {4, 6}, {3, 6}, {2, 6}});
}

TEST_F(PathSearchTest, NeighbourIsOneStep) {
    put(game, {{5, 5}}, 2);
    ASSERT_EQ(game.findRoute(5, 5, 5, 6), 1);
    expectRoute({{5, 5}, {5, 6}});
}

TEST_F(PathSearchTest, DetourAroundAWallIsShortest) {
    // A wall in column 1 from row 0 to row 7: the only way passes row 8.
    put(game, {{0, 0}}, 1);
    for (int32_t y = 0; y <= 7; ++y) {
        put(game, {{1, y}}, 2);
    }
    ASSERT_EQ(game.findRoute(0, 0, 2, 0), 1);
    int steps = 0;
    while (steps + 1 < kCellCount && game.state.route[steps + 1] != CellPos{}) {
        ++steps;
    }
    EXPECT_EQ(steps, 18);
    EXPECT_EQ(game.state.route[9], (CellPos{1, 8}));
    EXPECT_EQ(game.state.route[18], (CellPos{2, 0}));
}

TEST_F(PathSearchTest, EnclosedDestinationHasNoRoute) {
    put(game, {{0, 0}}, 1);
    put(game, {{4, 3}, {3, 4}, {5, 4}, {4, 5}}, 2);
    EXPECT_EQ(game.findRoute(0, 0, 4, 4), 0);
    expectRoute({});

    // Enclosed by the edge and balls.
    put(game, {{7, 8}, {8, 7}}, 2);
    EXPECT_EQ(game.findRoute(0, 0, 8, 8), 0);
    expectRoute({});
}

TEST_F(PathSearchTest, DiagonalNeighboursNeverConnect) {
    put(game, {{0, 0}}, 1);
    put(game, {{1, 0}, {0, 1}}, 2);
    EXPECT_EQ(game.findRoute(0, 0, 1, 1), 0);
    EXPECT_EQ(game.findRoute(0, 0, 8, 8), 0);
}

TEST_F(PathSearchTest, StartKeepsItsColourAndIsNeverPassedAgain) {
    put(game, {{4, 4}}, 6);
    ASSERT_EQ(game.findRoute(4, 4, 4, 8), 1);
    EXPECT_EQ(game.state.distanceGrid[cellIndex(4, 4)], 6);
    for (int i = 1; i < kCellCount; ++i) {
        EXPECT_NE(game.state.route[i], (CellPos{4, 4}));
    }
    // The board itself is untouched by the search.
    EXPECT_EQ(ballCount(game), 1);
}

TEST_F(PathSearchTest, RefusesAnOccupiedOrIdenticalDestination) {
    put(game, {{0, 0}}, 1);
    put(game, {{3, 3}}, 2);
    EXPECT_EQ(game.findRoute(0, 0, 3, 3), 0);
    EXPECT_EQ(game.findRoute(0, 0, 0, 0), 0);
    expectRoute({});
}

TEST_F(PathSearchTest, LongestSnakeFitsTheRoute) {
    // A serpentine corridor through every column: the route is far longer than any BFS
    // frontier, and must still be complete and connected.
    put(game, {{0, 0}}, 4);
    for (int32_t x = 1; x < 9; x += 2) {
        for (int32_t y = 0; y < 9; ++y) {
            const bool gap = (x % 4 == 1) ? y == 8 : y == 0;
            if (!gap) {
                put(game, {{x, y}}, 2);
            }
        }
    }
    ASSERT_EQ(game.findRoute(0, 0, 8, 8), 1);
    int i = 0;
    for (; game.state.route[i + 1] != CellPos{}; ++i) {
        const CellPos a = game.state.route[i];
        const CellPos b = game.state.route[i + 1];
        ASSERT_EQ(std::abs(a.x - b.x) + std::abs(a.y - b.y), 1) << "step " << i;
        ASSERT_EQ(game.state.board.at(b.x, b.y), EMPTY);
    }
    EXPECT_EQ(game.state.route[i], (CellPos{8, 8}));
    EXPECT_EQ(i, 5 * 8 + 4 * 2);  // five corridors of 8 steps, four crossings of 2
}

}  // namespace
}  // namespace korvat::test
