#include <gtest/gtest.h>

#include <cstdlib>

#include "FakeHost.h"

namespace korvat::test {
namespace {

using PathSearchTest = GameTest;

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
