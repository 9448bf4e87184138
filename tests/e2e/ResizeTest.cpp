// The window resized under the real program: the device screen takes the largest whole scale
// that fits, centred in a black margin, and clicks still land on the cells they point at.
#include <gtest/gtest.h>

#include "QuickGame.h"

namespace korvat::e2e {
namespace {

class ResizeTest : public QuickGameTest {
  protected:
    // Resizes (no window manager stands between) and waits for the best score's digits where a
    // centred whole scale puts them; then checks the window's corners and the pixels just
    // outside the device screen are black.
    void resizeTo(int width, int height, int scale) {
        session.run("xdotool windowsize --sync " + session.windowId() + " " +
                    std::to_string(width) + " " + std::to_string(height));
        ASSERT_TRUE(screenInPlace(3000)) << "not in place at scale " << session.scale();
        ASSERT_EQ(session.scale(), scale);
        int x = 0, y = 0, w = 0, h = 0;
        ASSERT_TRUE(session.windowGeometry(x, y, w, h));
        ASSERT_EQ(w, width);
        const Screenshot shot = session.screenshot();
        const int left = x + (w - 240 * scale) / 2, top = y + (h - 320 * scale) / 2;
        constexpr Rgb kBlack{0, 0, 0};
        EXPECT_EQ(shot.at(x, y), kBlack);
        EXPECT_EQ(shot.at(x + w - 1, y + h - 1), kBlack);
        EXPECT_EQ(shot.at(left - 1, top + 100 * scale), kBlack);
        EXPECT_EQ(shot.at(left + 240 * scale, top + 100 * scale), kBlack);
        EXPECT_EQ(shot.at(left + 100 * scale, top - 1), kBlack);
        EXPECT_EQ(shot.at(left + 100 * scale, top + 320 * scale), kBlack);
    }
    // Clicks the cell until its ball bounces: a click can be lost while the window settles.
    bool select(int x, int y) {
        const Screenshot before = session.screenshot();
        for (int attempt = 0; attempt < 3; ++attempt) {
            clickCell(x, y);
            if (spriteChanges(before, x, y))
                return true;
        }
        return false;
    }
};

TEST_F(ResizeTest, TheScreenRescalesCentredAndClicksStillLand) {
    ASSERT_EQ(session.scale(), 2);
    const BoardLook start = settledBoard();
    ASSERT_EQ(start.count(CellLook::Ball), 3);

    // Down to scale 1, with uneven margins; a ball moved by two clicks.
    resizeTo(300, 410, 1);
    EXPECT_EQ(waitForBoard([&](const BoardLook& b) { return b.cells == start.cells; }).cells,
              start.cells);
    Move move;
    ASSERT_TRUE(findMove(start, move));
    ASSERT_TRUE(select(move.fromX, move.fromY)) << "the click did not reach the ball";
    // Tapping the free cell again is harmless: once the ball is there it only selects it.
    const auto arrived = [&](const BoardLook& b) { return ballMoved(b, move); };
    BoardLook moved;
    for (int attempt = 0; attempt < 3 && !arrived(moved); ++attempt) {
        clickCell(move.toX, move.toY);
        moved = waitForBoard(arrived);
    }
    EXPECT_TRUE(arrived(moved));
    EXPECT_EQ(moved.count(CellLook::Ball), 6);

    // Up to scale 2 again in a wider window: the same board, and a click takes the ball.
    resizeTo(600, 700, 2);
    EXPECT_EQ(waitForBoard([&](const BoardLook& b) { return b.cells == moved.cells; }).cells,
              moved.cells);
    EXPECT_TRUE(select(move.toX, move.toY)) << "the click did not reach the ball";
}

}  // namespace
}  // namespace korvat::e2e
