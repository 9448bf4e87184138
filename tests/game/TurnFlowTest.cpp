#include <gtest/gtest.h>

#include "FakeHost.h"

namespace korvat::test {
namespace {

class TurnFlowTest : public GameTest {
  protected:
    void SetUp() override {
        game.initialise();
        GameTest::SetUp();
        for (int k = 0; k < 3; ++k) {
            game.state.nextCells[k] = {6 + k, 0};
            game.state.nextColors[k] = 3 + k;
        }
    }
    void tap(int32_t x, int32_t y) { game.onBoardTap(pixelX(x), pixelY(y)); }
    bool selected(int32_t x, int32_t y) const {
        return game.state.selectedX == x && game.state.selectedY == y;
    }
    // The bounce frames drawn over `ticks` ticks; "-" for a tick that drew nothing, "+s"
    // appended when the tick sound played.
    std::vector<std::string> bounce(int ticks) {
        std::vector<std::string> shown;
        for (int i = 0; i < ticks; ++i) {
            host.calls.clear();
            game.onTimer(TimerId::Bounce);
            std::string tick = "-";
            for (const std::string& call : host.calls) {
                if (call.rfind("drawBounceFrame", 0) == 0) {
                    tick = call.substr(call.rfind(' ') + 1);
                }
            }
            if (host.count("sound " + std::to_string(static_cast<int>(SoundId::BounceTick))) == 1) {
                tick += "+s";
            }
            shown.push_back(tick);
        }
        return shown;
    }
};

TEST_F(TurnFlowTest, FirstPaintStartsBothTimersAndTheClock) {
    game.state.newGamePending = 1;
    host.tick = 5000;
    game.onPaint();
    for (const TimerId id : {TimerId::Bounce, TimerId::Clock}) {
        EXPECT_GT(host.count("startTimer " + std::to_string(static_cast<int>(id))), 0);
    }
    EXPECT_EQ(game.state.clockStartTick, 5000u);
}

TEST_F(TurnFlowTest, TapsOnTheLastPixelsOfTheBoardHitNoCell) {
    put(game, {{8, 4}, {0, 8}}, 2);
    game.onBoardTap(236, pixelY(4));
    game.onBoardTap(pixelX(0), 266);
    EXPECT_TRUE(selected(-1, -1));
    game.onBoardTap(235, pixelY(4));
    EXPECT_TRUE(selected(8, 4));
    game.onBoardTap(pixelX(0), 265);
    EXPECT_TRUE(selected(0, 8));
    game.onBoardTap(1, 40);   // left of the board
    game.onBoardTap(10, 31);  // the panel
    EXPECT_TRUE(selected(0, 8));
    put(game, {{0, 0}}, 5);
    game.onBoardTap(2, 32);  // the board's top-left pixel belongs to cell (0, 0)
    EXPECT_TRUE(selected(0, 0));
}

TEST_F(TurnFlowTest, ReselectingContinuesTheBounceAndSwitchingRestsTheOldBall) {
    put(game, {{1, 1}}, 4);
    put(game, {{5, 5}}, 6);
    game.state.bounceFrame = 4;  // where the last bounce stopped
    tap(1, 1);
    tap(1, 1);
    EXPECT_EQ(game.state.bounceFrame, 4);
    EXPECT_EQ(host.count("drawRestingBall"), 0);
    tap(5, 5);
    EXPECT_TRUE(selected(5, 5));
    EXPECT_EQ(host.calls.back(), "drawRestingBall 1 1 4");
}

TEST_F(TurnFlowTest, UndoRestoresScoreAndBestAndRedraws) {
    put(game, {{4, 4}}, 1);
    game.state.score = 30;
    game.state.settings.bestScore = 40;
    const Board before = game.state.board;
    tap(4, 4);
    tap(4, 8);
    game.state.settings.bestScore = 90;  // as if the turn had ended a game
    game.state.score = 55;
    host.calls.clear();
    game.onUndo();
    EXPECT_EQ(game.state.board, before);
    EXPECT_EQ(game.state.score, 30u);
    EXPECT_EQ(game.state.settings.bestScore, 40u);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"drawNextColors", "redrawAll"}));
}

TEST_F(TurnFlowTest, LoadingStopsTheBounceFirstAndRestartsIt) {
    host.toRead.blockMode = 1;
    host.toRead.linesMode = 0;
    for (int32_t& cell : host.toRead.board.cells) {
        cell = EMPTY;
    }
    host.calls.clear();
    game.resumeLoadedGame("a.kvt");
    const std::string bounceTimer = " " + std::to_string(static_cast<int>(TimerId::Bounce));
    EXPECT_EQ(host.calls.front(), "stopTimer" + bounceTimer);
    EXPECT_GT(host.count("checkMarks block"), 0);
    EXPECT_GT(host.count("startTimer" + bounceTimer), 0);
    EXPECT_EQ(host.calls.back(), "redrawAll");
}

TEST_F(TurnFlowTest, AnEmptiedSelectionStillTicksAndTheTickNeedsSoundExactlyOn) {
    game.state.selectedX = 4;
    game.state.selectedY = 4;
    EXPECT_EQ(bounce(4), (std::vector<std::string>{"-", "-", "-", "-+s"}));
    put(game, {{4, 4}}, 2);
    game.state.bounceFrame = 9;
    game.state.settings.soundOn = 2;
    EXPECT_EQ(bounce(4), (std::vector<std::string>{"8", "7", "6", "5"}));
}

TEST_F(TurnFlowTest, BounceStepsAtTheJumpDelayAndTakesANewOneAtOnce) {
    game.state.settings.jumpDelay = 40;
    game.startNewGame();
    int32_t ball = 0;
    while (game.state.board.cells[ball] == EMPTY) {
        ++ball;
    }
    tap(ball / kBoardSize, ball % kBoardSize);
    // The times on a fake clock at which frames are drawn, the timer ticking every period
    // from its last start; Options is confirmed with a jump delay of 250 at 100 ms.
    host.settingsStored = true;
    host.storedSettings = game.state.settings;
    host.storedSettings.jumpDelay = 250;
    std::vector<uint32_t> frameTimes;
    for (host.tick = 1; host.tick <= 700; ++host.tick) {
        if (host.tick == 100) {
            game.readSettings();
        }
        const uint32_t sinceStart = host.tick - host.bounceStartedAt;
        if (sinceStart > 0 && sinceStart % host.bouncePeriod == 0) {
            const int drawn = host.count("drawBounceFrame");
            game.onTimer(TimerId::Bounce);
            if (host.count("drawBounceFrame") > drawn) {
                frameTimes.push_back(host.tick);
            }
        }
    }
    EXPECT_EQ(frameTimes, (std::vector<uint32_t>{40, 80, 350, 600}));

    // Delays that would flood the window with ticks, or that mean no wait elsewhere: 10 ms.
    for (const uint32_t jump : {9u, 0u, 0x80000000u}) {
        host.storedSettings.jumpDelay = jump;
        game.readSettings();
        EXPECT_EQ(host.bouncePeriod, 10u) << jump;
    }
}

}  // namespace
}  // namespace korvat::test
