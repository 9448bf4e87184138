// The game as a citizen of the desktop, bare and under a window manager: while a move waits out
// an endless step delay the window is drawn again after an expose, a second start hands over at
// once, and a close request ends the program; F11 on and off leaves the whole screen in place.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>

#include <chrono>

#include "QuickGame.h"

namespace korvat::e2e {
namespace {

// A ball with two free cells in a row beside it: its move waits on the middle one.
bool findTwoStepMove(const BoardLook& board, Move& move) {
    static constexpr int kSteps[4][2] = {{1, 0}, {0, 1}, {-1, 0}, {0, -1}};
    const auto freeCell = [&](int x, int y) {
        return x >= 0 && y >= 0 && x <= 8 && y <= 8 && board.cells[x][y] == CellLook::Empty;
    };
    for (int x = 0; x < 9; ++x) {
        for (int y = 0; y < 9; ++y) {
            for (const auto& step : kSteps) {
                if (board.cells[x][y] == CellLook::Ball && freeCell(x + step[0], y + step[1]) &&
                    freeCell(x + 2 * step[0], y + 2 * step[1])) {
                    move = {x, y, x + 2 * step[0], y + 2 * step[1]};
                    return true;
                }
            }
        }
    }
    return false;
}

class DesktopTest : public QuickGameTest, public ::testing::WithParamInterface<bool> {
  protected:
    bool managed() const { return GetParam(); }
    void SetUp() override {
        if (managed() && !session.startWindowManager())
            GTEST_SKIP() << "no window manager";
        QuickGameTest::SetUp();
    }
    // The best score's digits read in place: the whole screen at its whole scale.
    bool screenInPlace(int timeoutMs) {
        return waitUntil(timeoutMs, 100, [&] {
            return session.measureDevice() && readNumber(session, session.screenshot(), 13) == 100;
        });
    }
    void clickCell(int x, int y) {
        const SDL_Point p = cellPixel(x, y);
        session.clickDevice(p.x, p.y);
        pause(250);
    }
};

class LongMoveTest : public DesktopTest {
  protected:
    LongMoveTest() { moveDelay = 99'999'999; }
};

TEST_P(LongMoveTest, TheWindowServesTheDesktopWhileTheMoveWaits) {
    Move move;
    ASSERT_TRUE(findTwoStepMove(settledBoard(), move));
    const int midX = (move.fromX + move.toX) / 2, midY = (move.fromY + move.toY) / 2;
    const auto onTheWay = [&](const BoardLook& b) { return b.cells[midX][midY] == CellLook::Ball; };
    for (int attempt = 0; attempt < 3 && !onTheWay(waitForBoard(onTheWay)); ++attempt) {
        clickCell(move.fromX, move.fromY);
        clickCell(move.toX, move.toY);
    }
    ASSERT_TRUE(onTheWay(settledBoard())) << "the move did not start";

    ASSERT_TRUE(session.remapWindow());
    EXPECT_TRUE(screenInPlace(1500)) << "not drawn again after the expose";
    keepShot("long-move-exposed");

    const auto began = std::chrono::steady_clock::now();
    pid_t second = spawnProcess({program()}, [&] {
        std::vector<std::string> env = environment();
        env.push_back("DISPLAY=" + session.displayName());
        return env;
    }());
    int status = 0;
    while (waitpid(second, &status, WNOHANG) == 0 &&
           std::chrono::steady_clock::now() - began < std::chrono::seconds(3))
        pause(10);
    const auto took = std::chrono::steady_clock::now() - began;
    stopProcess(second);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 255);
    EXPECT_LT(took, std::chrono::seconds(1)) << "the second start waited for an answer";

    // The window manager's close (its key can be lost on a busy machine: pressed again);
    // SIGTERM bare.
    int code = -1;
    for (int attempt = 0; attempt < 3 && code == -1; ++attempt) {
        if (managed())
            session.desktopKey("alt+F4");
        else
            kill(session.programPid(), SIGTERM);
        code = session.waitForExit(1000);
    }
    EXPECT_EQ(code, 0) << "the close request waited for the move";
}

TEST_P(DesktopTest, FullScreenOnAndOffLeavesTheWholeScreenInPlace) {
    settledBoard();
    ASSERT_TRUE(screenInPlace(1000));
    const int scale = session.scale();
    session.key("F11");
    pause(500);
    session.key("F11");
    EXPECT_TRUE(screenInPlace(3000));
    EXPECT_EQ(session.scale(), scale);
    keepShot("full-screen-round-trip");
}

std::string desktopName(const ::testing::TestParamInfo<bool>& info) {
    return info.param ? "WindowManager" : "Bare";
}

INSTANTIATE_TEST_SUITE_P(, LongMoveTest, ::testing::Bool(), desktopName);
INSTANTIATE_TEST_SUITE_P(, DesktopTest, ::testing::Bool(), desktopName);

}  // namespace
}  // namespace korvat::e2e
