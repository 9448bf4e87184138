// The game as a citizen of the desktop, bare and under a window manager: while a move waits out
// an endless step delay, the window is drawn again after an expose, F11 on and off leaves the
// whole screen in place, a second start hands over at once, and a close request ends the program.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>

#include <chrono>

#include "QuickGame.h"

namespace korvat::e2e {
namespace {

class DesktopTest : public QuickGameTest, public ::testing::WithParamInterface<bool> {
  protected:
    DesktopTest() { moveDelay = 99'999'999; }
    bool managed() const { return GetParam(); }
    void SetUp() override {
        if (managed() && !session.startWindowManager())
            GTEST_SKIP() << "no window manager";
        QuickGameTest::SetUp();
    }
};

TEST_P(DesktopTest, TheWindowServesTheDesktopWhileAMoveWaits) {
    Move move;
    BoardLook board = settledBoard();
    ASSERT_TRUE(findMove(board, move, 2));
    const int midX = (move.fromX + move.toX) / 2, midY = (move.fromY + move.toY) / 2;
    const auto onTheWay = [&](const BoardLook& b) { return b.cells[midX][midY] == CellLook::Ball; };
    for (int attempt = 0; attempt < 3 && !onTheWay(board); ++attempt) {
        clickCell(move.fromX, move.fromY);
        clickCell(move.toX, move.toY);
        board = waitForBoard(onTheWay);
    }
    ASSERT_TRUE(onTheWay(board)) << "the move did not start";
    ASSERT_TRUE(screenInPlace(1000));
    const int scale = session.scale();

    const std::string window = session.windowId();
    session.run("xdotool windowunmap --sync " + window + " windowmap --sync " + window);
    EXPECT_TRUE(screenInPlace(1500)) << "not drawn again after the expose";

    session.key("F11");
    pause(500);
    session.key("F11");
    EXPECT_TRUE(screenInPlace(3000)) << "full screen on and off moved the screen";
    EXPECT_EQ(session.scale(), scale);

    const auto began = std::chrono::steady_clock::now();
    pid_t second = spawnProcess({program()}, environment());
    int status = -1;
    if (waitUntil(3000, 10, [&] { return waitpid(second, &status, WNOHANG) == second; }))
        second = -1;
    EXPECT_LT(std::chrono::steady_clock::now() - began, std::chrono::seconds(1))
        << "the second start waited for an answer";
    stopProcess(second);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 255);

    // The window manager's close (its key can be lost on a busy machine: pressed again);
    // SIGTERM bare.
    int code = -1;
    for (int attempt = 0; attempt < 3 && code == -1; ++attempt) {
        if (managed())
            session.run("xdotool windowactivate --sync " + window + " key alt+F4");
        else
            kill(session.programPid(), SIGTERM);
        code = session.waitForExit(1000);
    }
    EXPECT_EQ(code, 0) << "the close request waited for the move";
}

INSTANTIATE_TEST_SUITE_P(, DesktopTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "WindowManager" : "Bare"; });

}  // namespace
}  // namespace korvat::e2e
