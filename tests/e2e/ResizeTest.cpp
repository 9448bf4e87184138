// The window resized under the real program: the device screen takes the largest whole scale
// that fits, centred, and clicks still land on the cells they point at.
#include <gtest/gtest.h>

#include "QuickGame.h"

namespace korvat::e2e {
namespace {

constexpr Rgb kBlack{0, 0, 0};

class ResizeTest : public QuickGameTest {
  protected:
    // Resizes and waits until the screen reads as the game at the new geometry: the best
    // score's digits exactly in place.
    void resizeTo(int width, int height) {
        ASSERT_TRUE(session.resizeWindow(width, height));
        ASSERT_TRUE(waitUntil(3000, 100,
                              [&] { return readNumber(session, session.screenshot(), 13) == 100; }))
            << "the best score is not where a centred scale " << session.scale() << " puts it";
    }
    // The black margin: the window's corners and the pixels just outside the device screen.
    void expectBlackAround(int width, int height) {
        int x = 0, y = 0, w = 0, h = 0;
        ASSERT_TRUE(session.windowGeometry(x, y, w, h));
        const Screenshot shot = session.screenshot();
        const int k = session.scale();
        const int left = x + (width - 240 * k) / 2, top = y + (height - 320 * k) / 2;
        EXPECT_EQ(shot.at(x, y), kBlack);
        EXPECT_EQ(shot.at(x + w - 1, y + h - 1), kBlack);
        EXPECT_EQ(shot.at(left - 1, top + 100 * k), kBlack);
        EXPECT_EQ(shot.at(left + 240 * k, top + 100 * k), kBlack);
        EXPECT_EQ(shot.at(left + 100 * k, top - 1), kBlack);
        EXPECT_EQ(shot.at(left + 100 * k, top + 320 * k), kBlack);
    }
    void clickCell(int x, int y) {
        const SDL_Point p = cellPixel(x, y);
        session.clickDevice(p.x, p.y);
        pause(250);
    }
};

TEST_F(ResizeTest, TheScreenRescalesCentredAndClicksStillLand) {
    ASSERT_EQ(session.scale(), 2);
    const BoardLook start = settledBoard();
    ASSERT_EQ(start.count(CellLook::Ball), 3);

    // Down to scale 1, with uneven margins.
    resizeTo(300, 410);
    EXPECT_EQ(session.scale(), 1);
    expectBlackAround(300, 410);
    keepShot("resized-small");
    EXPECT_TRUE(
        sameCells(waitForBoard([&](const BoardLook& b) { return sameCells(b, start); }), start));

    // A ball moved by two clicks at the new scale. A click can be lost while the window
    // settles: the ball is clicked again until it bounces.
    Move move;
    ASSERT_TRUE(findMove(start, move));
    const Screenshot before = session.screenshot();
    bool selected = false;
    for (int attempt = 0; attempt < 3 && !selected; ++attempt) {
        clickCell(move.fromX, move.fromY);
        selected = spriteChanges(before, move.fromX, move.fromY);
    }
    ASSERT_TRUE(selected) << "the click did not reach the ball";
    // Tapping the free cell again is harmless: once the ball is there it only selects it.
    const auto arrived = [&](const BoardLook& b) { return ballMoved(b, move); };
    BoardLook moved{};
    for (int attempt = 0; attempt < 3 && !arrived(moved); ++attempt) {
        clickCell(move.toX, move.toY);
        moved = waitForBoard(arrived);
    }
    EXPECT_TRUE(ballMoved(moved, move));
    EXPECT_EQ(moved.count(CellLook::Ball), 6);

    // Up to scale 2 again in a wider window: the same board, and the undo button of the menu
    // bar takes the move back.
    resizeTo(600, 700);
    EXPECT_EQ(session.scale(), 2);
    expectBlackAround(600, 700);
    keepShot("resized-wide");
    EXPECT_TRUE(
        sameCells(waitForBoard([&](const BoardLook& b) { return sameCells(b, moved); }), moved));
    const MenuPoints menu = findMenuPoints();
    ASSERT_TRUE(menu.complete);
    // A second undo finds nothing to take back, so a lost click can be repeated.
    BoardLook undone = moved;
    for (int attempt = 0; attempt < 3 && !sameCells(undone, start); ++attempt) {
        session.clickDevice(menu.undoButton.x, menu.undoButton.y);
        undone = waitForBoard([&](const BoardLook& b) { return sameCells(b, start); });
    }
    EXPECT_TRUE(sameCells(undone, start));
}

}  // namespace
}  // namespace korvat::e2e
