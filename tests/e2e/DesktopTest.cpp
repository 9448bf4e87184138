// The game's window on the desktop: resized, and (bare and under a window manager) serving the
// desktop while a move waits out an endless step delay.
#include <gtest/gtest.h>
#include <signal.h>

#include "QuickGame.h"

namespace korvat::e2e {
namespace {

class ResizeTest : public QuickGameTest {
  protected:
    // Resizes (no window manager stands between); the device screen shows centred in black.
    void resizeTo(int width, int height, int scale) {
        session.run("xdotool windowsize --sync " + session.windowId() + " " +
                    std::to_string(width) + " " + std::to_string(height));
        ASSERT_TRUE(screenInPlace(3000) && session.scale() == scale) << session.scale();
        const Screenshot shot = session.screenshot();
        for (const SDL_Point p : {SDL_Point{-1, 100}, {240, 100}, {100, -1}, {100, 320}})
            EXPECT_EQ(session.devicePixel(shot, p.x, p.y), Rgb{}) << p.x << "," << p.y;
    }
    // Clicks the cell until its ball bounces.
    bool select(int x, int y) {
        const Screenshot shot = session.screenshot();
        return retry([&] { clickCell(x, y); }, [&] { return spriteChanges(shot, x, y); });
    }
};

TEST_F(ResizeTest, TheScreenRescalesCentredAndClicksStillLand) {
    ASSERT_EQ(session.scale(), 2) << "the largest whole scale on a 1024 x 768 screen";
    const BoardLook start = settledBoard();

    // Down to scale 1, with uneven margins; a ball moved by two clicks.
    resizeTo(300, 410, 1);
    EXPECT_EQ(settledBoard([&](const BoardLook& b) { return b.cells == start.cells; }).cells,
              start.cells);
    Move move;
    ASSERT_TRUE(findMove(start, move));
    ASSERT_TRUE(select(move.fromX, move.fromY)) << "the click did not reach the ball";
    // Tapping the free cell again is harmless: once the ball is there it only selects it.
    const auto arrived = [&](const BoardLook& b) { return ballMoved(b, move); };
    BoardLook moved;
    EXPECT_TRUE(retry([&] { clickCell(move.toX, move.toY); },
                      [&] { return arrived(moved = settledBoard(arrived)); }));

    // Up to scale 2 again in a wider window: the same board, and a click takes the ball.
    resizeTo(600, 700, 2);
    EXPECT_EQ(settledBoard([&](const BoardLook& b) { return b.cells == moved.cells; }).cells,
              moved.cells);
    EXPECT_TRUE(select(move.toX, move.toY)) << "the click did not reach the ball";
}

class DesktopTest : public QuickGameTest, public ::testing::WithParamInterface<bool> {
  protected:
    DesktopTest() { moveDelay = 99'999'999; }
    void SetUp() override {
        if (GetParam() && !session.startWindowManager())
            GTEST_SKIP() << "no window manager";
        QuickGameTest::SetUp();
    }
};

TEST_P(DesktopTest, FullScreenOnAndOffThenAMoveThatWaits) {
    // F11 (not taken during a move) on and off leaves the whole screen in place.
    Move move;
    ASSERT_TRUE(findMove(settledBoard(), move, 2));
    ASSERT_TRUE(screenInPlace(1000));
    const auto placement = session.placement();
    session.key("F11");
    pause(500);
    session.key("F11");
    EXPECT_TRUE(screenInPlace(3000)) << "full screen on and off moved the screen";
    EXPECT_EQ(session.placement(), placement);

    // While the move waits on its middle cell, the window is drawn again after an expose, a
    // second start hands over at once, and a close request ends the program.
    const int midX = (move.fromX + move.toX) / 2, midY = (move.fromY + move.toY) / 2;
    const auto onTheWay = [&](const BoardLook& b) { return b.cells[midX][midY] == CellLook::Ball; };
    ASSERT_TRUE(retry(
        [&] {
            clickCell(move.fromX, move.fromY);
            clickCell(move.toX, move.toY);
        },
        [&] { return onTheWay(settledBoard(onTheWay)); }))
        << "the move did not start";
    const std::string window = session.windowId();
    session.run("xdotool windowunmap --sync " + window + " windowmap --sync " + window);
    EXPECT_TRUE(screenInPlace(1500)) << "not drawn again after the expose";

    pid_t second = spawnProcess({program()}, environment());
    EXPECT_EQ(waitForExit(second, 1000), 255) << "the second start did not hand over at once";
    stopProcess(second);

    // The window manager's close (its key can be lost on a busy machine); SIGTERM bare.
    int code = -1;
    retry(
        [&] {
            if (GetParam())
                session.run("xdotool windowactivate --sync " + window + " key alt+F4");
            else
                kill(session.programPid(), SIGTERM);
        },
        [&] { return (code = session.waitForExit(1000)) != -1; });
    EXPECT_EQ(code, 0) << "the close request waited for the move";
}

INSTANTIATE_TEST_SUITE_P(, DesktopTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "WindowManager" : "Bare"; });

}  // namespace
}  // namespace korvat::e2e
