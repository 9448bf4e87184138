// A move played with the keyboard alone through the real program: the arrows show and move
// the board cursor, Space takes a ball, Enter puts it down (the program goes on), Ctrl+Z takes
// the move back.
#include <gtest/gtest.h>

#include <string>

#include "QuickGame.h"

namespace korvat::e2e {
namespace {

constexpr Rgb kCursorColour{0, 0, 128};

struct Cell {
    int x = -1, y = -1;
    friend bool operator==(const Cell&, const Cell&) = default;
};
constexpr Cell kNoCell{};

std::ostream& operator<<(std::ostream& out, const Cell& c) {
    return out << "(" << c.x << "," << c.y << ")";
}

class KeyboardTest : public QuickGameTest {
  protected:
    // The cursor's frame lies at offsets 1 to 24 of a cell's 26-pixel tile; the sprite starts
    // at offset 4.
    bool framed(const Screenshot& shot, int x, int y) const {
        static constexpr int kOffsets[][2] = {{1, 1}, {24, 1}, {1, 24}, {24, 24}, {12, 1}, {1, 12}};
        for (const auto& o : kOffsets) {
            const SDL_Point p = cellPixel(x, y, o[0] - 4, o[1] - 4);
            if (!(session.devicePixel(shot, p.x, p.y) == kCursorColour))
                return false;
        }
        return true;
    }
    // The one framed cell; kNoCell when none or several are.
    Cell cursor() const {
        const Screenshot shot = session.screenshot();
        Cell found = kNoCell;
        for (int x = 0; x < 9; ++x) {
            for (int y = 0; y < 9; ++y) {
                if (!framed(shot, x, y))
                    continue;
                if (found != kNoCell)
                    return kNoCell;
                found = {x, y};
            }
        }
        return found;
    }
    bool waitForCursor(Cell cell) {
        return waitUntil(3000, 50, [&] { return cursor() == cell; });
    }
    // Arrow keys from one cell to another.
    void walk(Cell from, Cell to) {
        std::string keys;
        for (int x = from.x; x < to.x; ++x)
            keys += " Right";
        for (int x = from.x; x > to.x; --x)
            keys += " Left";
        for (int y = from.y; y < to.y; ++y)
            keys += " Down";
        for (int y = from.y; y > to.y; --y)
            keys += " Up";
        if (!keys.empty())
            session.key(keys);
    }
};

TEST_F(KeyboardTest, ArrowsSpaceEnterAndCtrlZPlayAMoveAndTakeItBack) {
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
    ASSERT_EQ(cursor(), (Cell{4, 4}));
    keepShot("keyboard-cursor");
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
    EXPECT_TRUE(spriteChanges(startShot, ball.x, ball.y));

    // To the free neighbour, Enter: the ball goes there and the announced wave lands.
    walk(ball, target);
    ASSERT_TRUE(waitForCursor(target));
    session.key("Return");
    const BoardLook moved = waitForBoard([&](const BoardLook& b) { return ballMoved(b, move); });
    keepShot("keyboard-moved");
    ASSERT_EQ(session.waitForExit(0), -1) << "Enter ended the program";
    EXPECT_TRUE(ballMoved(moved, move));
    EXPECT_EQ(moved.signature[target.x][target.y], start.signature[ball.x][ball.y]);
    EXPECT_EQ(moved.count(CellLook::Ball), 6);

    // Ctrl+Z: the board as before the move.
    session.key("ctrl+z");
    const BoardLook undone = waitForBoard([&](const BoardLook& b) { return sameCells(b, start); });
    EXPECT_TRUE(sameCells(undone, start));
    EXPECT_EQ(undone.signature[ball.x][ball.y], start.signature[ball.x][ball.y]);
}

}  // namespace
}  // namespace korvat::e2e
