#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>

#include "FakeHost.h"

namespace korvat::test {
namespace {

using PathSearchTest = GameTest;

TEST_F(PathSearchTest, WalkBackPrefersDownThenRightThenUpThenLeft) {
    // Up and to the left: walking back from the destination the cell below wins while it
    // lies closer to the start, so the ball first goes left along its row, then up.
    put(game, {{4, 4}}, 1);
    ASSERT_EQ(game.findRoute(4, 4, 2, 2), 1);
    const CellPos upLeft[] = {{4, 4}, {3, 4}, {2, 4}, {2, 3}, {2, 2}, {}};
    EXPECT_TRUE(std::equal(std::begin(upLeft), std::end(upLeft), game.state.route));
    // Down and to the left: below is farther, right is closer, so down first, then left.
    ASSERT_EQ(game.findRoute(4, 4, 2, 6), 1);
    const CellPos downLeft[] = {{4, 4}, {4, 5}, {4, 6}, {3, 6}, {2, 6}, {}};
    EXPECT_TRUE(std::equal(std::begin(downLeft), std::end(downLeft), game.state.route));
}

TEST_F(PathSearchTest, LongestSnakeFitsTheRoute) {
    // A serpentine corridor through every column: the route is far longer than any search
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
