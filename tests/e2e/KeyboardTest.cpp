// A move played with the keyboard alone through the real program: the arrows show and move
// the board cursor, Space takes a ball, Enter puts it down (the program goes on), Ctrl+Z takes
// the move back, and Exit (Ctrl+Q) ends with 18 without writing the settings.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <utility>

#include "QuickGame.h"

namespace korvat::e2e {
namespace {

constexpr Rgb kCursorColour{0, 0, 128};
using Cell = std::pair<int, int>;
constexpr Cell kNoCell{-1, -1};

class KeyboardTest : public QuickGameTest {
  protected:
    // The one cell with the cursor's frame (at offsets 1 to 24 of the 26-pixel tile; the sprite
    // starts at offset 4); kNoCell when none or several are framed.
    Cell cursor() const {
        static constexpr int kFrame[][2] = {{1, 1}, {24, 1}, {1, 24}, {24, 24}, {12, 1}, {1, 12}};
        const Screenshot shot = session.screenshot();
        Cell found = kNoCell;
        for (int x = 0; x < 9; ++x) {
            for (int y = 0; y < 9; ++y) {
                const bool framed = std::all_of(std::begin(kFrame), std::end(kFrame), [&](auto o) {
                    const SDL_Point p = cellPixel(x, y, o[0] - 4, o[1] - 4);
                    return session.devicePixel(shot, p.x, p.y) == kCursorColour;
                });
                if (framed && found != kNoCell)
                    return kNoCell;
                if (framed)
                    found = {x, y};
            }
        }
        return found;
    }
    bool waitForCursor(Cell cell) const {
        return waitUntil(3000, 50, [&] { return cursor() == cell; });
    }
    // Arrow keys from one cell to another.
    void walk(Cell from, Cell to) {
        std::string keys;
        for (; from.first != to.first; from.first += from.first < to.first ? 1 : -1)
            keys += from.first < to.first ? " Right" : " Left";
        for (; from.second != to.second; from.second += from.second < to.second ? 1 : -1)
            keys += from.second < to.second ? " Down" : " Up";
        if (!keys.empty())
            session.key(keys);
    }
    std::string settingsText() const {
        std::ifstream in(settingsPath());
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
};

TEST_F(KeyboardTest, ArrowsSpaceEnterCtrlZAndCtrlQ) {
    const std::string settings = settingsText();
    const BoardLook start = settledBoard();
    ASSERT_EQ(start.count(CellLook::Ball), 3);
    const Screenshot startShot = session.screenshot();
    EXPECT_EQ(cursor(), kNoCell) << "no cursor before a key is pressed";

    // The first arrow only shows the cursor, in the middle of the board. A key pressed while
    // the window settles can be lost: press again while nothing shows.
    for (int attempt = 0; attempt < 3 && cursor() == kNoCell; ++attempt) {
        session.key("Right");
        waitForCursor(Cell{4, 4});
    }
    ASSERT_EQ(cursor(), Cell(4, 4));
    session.key("Right");
    ASSERT_TRUE(waitForCursor(Cell{5, 4})) << "the old cell keeps no frame";
    session.key("Up Up Left");
    ASSERT_TRUE(waitForCursor(Cell{4, 2}));

    // Space on a ball takes it: it bounces.
    Move move;
    ASSERT_TRUE(findMove(start, move));
    const Cell ball{move.fromX, move.fromY}, target{move.toX, move.toY};
    walk(Cell{4, 2}, ball);
    ASSERT_TRUE(waitForCursor(ball));
    session.key("space");
    EXPECT_TRUE(spriteChanges(startShot, ball.first, ball.second));

    // To the free neighbour, Enter: the ball goes there and the announced wave lands.
    walk(ball, target);
    ASSERT_TRUE(waitForCursor(target));
    session.key("Return");
    const BoardLook moved = waitForBoard([&](const BoardLook& b) { return ballMoved(b, move); });
    ASSERT_EQ(session.waitForExit(0), -1) << "Enter ended the program";
    EXPECT_TRUE(ballMoved(moved, move));
    EXPECT_EQ(moved.signature[move.toX][move.toY], start.signature[move.fromX][move.fromY]);
    EXPECT_EQ(moved.count(CellLook::Ball), 6);

    // Ctrl+Z: the board as before the move.
    session.key("ctrl+z");
    const BoardLook undone =
        waitForBoard([&](const BoardLook& b) { return b.cells == start.cells; });
    EXPECT_EQ(undone.cells, start.cells);
    EXPECT_EQ(undone.signature[move.fromX][move.fromY], start.signature[move.fromX][move.fromY]);

    session.key("ctrl+q");
    EXPECT_EQ(session.waitForExit(4000), 18);
    EXPECT_EQ(settingsText(), settings);
}

}  // namespace
}  // namespace korvat::e2e
