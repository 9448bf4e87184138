// What the rules ask of their host that the replay driver does not show: timers, pauses,
// redraws and the clock around the name dialog.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "game/Game.h"
#include "game/Geometry.h"
#include "game/SilentHost.h"

namespace korvat {
namespace {

using Calls = std::vector<std::string>;

// The silent host with a set clock, logging each call as "name arg arg".
class FakeHost : public SilentHost {
  public:
    uint32_t tick = 0;
    uint32_t tickAfterNameDialog = 0;  // where the clock stands when the name dialog closes
    std::optional<uint32_t> storedJumpDelay;
    SavedGame toRead{};
    Calls calls;

    uint32_t tickCount() override { return tick; }
    void startTimer(TimerId id, uint32_t ms) override { log(timerName("start", id), ms); }
    void stopTimer(TimerId id) override { log(timerName("stop", id)); }
    void sleepMs(uint32_t ms) override { log("sleep", ms); }
    void redrawAll() override { log("redrawAll"); }
    void drawNextColors() override { log("drawNextColors"); }
    void drawScores() override { log("drawScores"); }
    void drawHints() override { log("drawHints"); }
    void drawRestingBall(CellPos cell, int32_t color) override {
        log("drawRestingBall", cell.x, cell.y, color);
    }
    void drawExplosionFrame(int32_t f, int32_t r) override { log("drawExplosionFrame", f, r); }
    void askPlayerName(char* name, size_t capacity) override {
        SilentHost::askPlayerName(name, capacity);
        tick = tickAfterNameDialog;
    }
    void setRuleCheckMarks(bool block) override { log(block ? "checkBlock" : "checkLines"); }
    void loadSettings(Settings& settings) override {
        settings.jumpDelay = storedJumpDelay.value_or(settings.jumpDelay);
    }
    bool readSavedGame(const char*, SavedGame& game) override {
        game = toRead;
        return true;
    }
    void gameEnded(uint32_t score, bool enters) override { log("gameEnded", score, enters); }

    int count(const std::string& prefix) const {
        return static_cast<int>(std::ranges::count_if(
            calls, [&](const std::string& call) { return call.starts_with(prefix); }));
    }

  private:
    static std::string timerName(std::string verb, TimerId id) {
        return verb + (id == TimerId::Bounce ? "Bounce" : "Clock");
    }
    template <typename... Numbers>
    void log(std::string call, Numbers... numbers) {
        ((call += " " + std::to_string(numbers)), ...);
        calls.push_back(call);
    }
};

// A game after its first paint, on an empty board in Lines rules, the host's log empty.
class TurnFlowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        game.initialise();
        game.state.newGamePending = 0;
        host.calls.clear();
    }
    void put(std::initializer_list<CellPos> cells, int32_t color) {
        for (const CellPos& cell : cells) {
            game.state.board.at(cell.x, cell.y) = color;
        }
    }
    void tap(int32_t x, int32_t y) {
        game.onBoardTap(kBoardRect.left + kCellPitch * x + 1, kBoardRect.top + kRowPitch * y + 1);
    }

    FakeHost host;
    Game game{host.roles()};
};

TEST_F(TurnFlowTest, BounceTimerRunsAtTheJumpDelayFromTheFirstPaintAndTakesANewOneAtOnce) {
    game.state.newGamePending = 1;
    game.state.settings.jumpDelay = 40;
    game.onPaint();
    EXPECT_EQ(host.count("startBounce 40"), 1);
    EXPECT_EQ(host.count("startClock"), 1);
    // Delays that would flood the window with ticks, or that mean no wait elsewhere: 10 ms.
    const uint32_t jumpAndPeriod[][2] = {{250, 250}, {10, 10}, {9, 10}, {0, 10}, {1u << 31, 10}};
    for (const auto& [jump, period] : jumpAndPeriod) {
        host.storedJumpDelay = jump;
        host.calls.clear();
        game.readSettings();
        EXPECT_EQ(host.calls, Calls{"startBounce " + std::to_string(period)}) << jump;
    }
}

TEST_F(TurnFlowTest, SwitchingTheSelectionRestsTheOldBallAndUndoRedraws) {
    put({{1, 1}}, 4);
    put({{5, 5}}, 6);
    for (int k = 0; k < kWaveSize; ++k) {
        game.state.nextCells[k] = {6 + k, 0};
    }
    tap(1, 1);
    tap(5, 5);
    EXPECT_EQ(host.calls, Calls{"drawRestingBall 1 1 4"});
    tap(5, 8);
    host.calls.clear();
    game.onUndo();
    EXPECT_EQ(host.calls, (Calls{"drawNextColors", "redrawAll"}));
}

TEST_F(TurnFlowTest, LoadingStopsTheBounceBeforeReadingAndRestartsIt) {
    host.toRead.blockMode = 1;
    host.toRead.linesMode = 0;
    std::ranges::fill(host.toRead.board.cells, EMPTY);
    game.resumeLoadedGame("a.kvt");
    EXPECT_EQ(host.calls.front(), "stopBounce");
    EXPECT_EQ(host.count("checkBlock"), 1);
    EXPECT_EQ(host.count("startBounce"), 1);
    EXPECT_EQ(host.calls.back(), "redrawAll");
}

TEST_F(TurnFlowTest, LinesBurstPausesAfterEachFrameButBlockBurstDoesNot) {
    game.state.settings.explosionDelay = 40;
    put({{2, 4}, {3, 4}, {4, 4}, {5, 4}, {6, 4}, {4, 2}, {4, 3}, {4, 5}, {4, 6}}, 2);
    ASSERT_EQ(game.scanLines(4, 4), 1);
    host.calls.clear();
    game.clearLines();
    Calls expected;
    for (int r = 5; r <= 9; ++r) {
        for (int f : {0, 2}) {  // across, then down
            expected.push_back("drawExplosionFrame " + std::to_string(f) + " " + std::to_string(r));
            expected.push_back("sleep 40");
        }
    }
    expected.insert(expected.end(), {"drawHints", "drawScores"});
    EXPECT_EQ(host.calls, expected);

    // A delay that reads as negative means no pause at all; a Block burst never pauses.
    game.state.settings.explosionDelay = 1u << 31;
    put({{0, 1}, {1, 1}, {2, 1}, {3, 1}, {4, 1}}, 1);
    ASSERT_EQ(game.scanLines(0, 1), 1);
    host.calls.clear();
    game.clearLines();
    game.state.settings.explosionDelay = 100;
    put({{0, 0}, {1, 0}, {0, 1}, {1, 1}}, 3);
    ASSERT_EQ(game.scanBlocks(1, 1), 1);
    game.clearBlock();
    EXPECT_EQ(host.count("drawExplosionFrame"), 10);
    EXPECT_EQ(host.count("sleep"), 0);
    EXPECT_EQ(host.calls.back(), "drawScores");
}

TEST_F(TurnFlowTest, EndOfGameCountsTheTimeSpentTypingTheName) {
    for (int32_t i = 0; i < kCellCount; ++i) {
        game.state.board.cells[i] = 1 + (i / kBoardSize + 2 * i) % 4;  // no line anywhere
    }
    put({{3, 3}, {5, 5}}, EMPTY);
    game.state.score = 200;
    game.state.carriedSeconds = 3000;
    game.state.clockStartTick = 1000;
    host.tick = 1000;
    host.tickAfterNameDialog = 1000 + 725 * 1000 + 999;
    game.planNextCells();

    EXPECT_EQ(host.calls.front(), "gameEnded 200 1");  // 200 enters the default table
    const HighScoreEntry& top = game.highScores.entries[0];
    EXPECT_EQ(top.score, 200u);
    EXPECT_EQ(std::vector({top.hours, top.minutes, top.seconds}), std::vector({1u, 2u, 5u}));
    EXPECT_EQ(game.state.clockStartTick, host.tick);  // the next game's clock starts now
}

}  // namespace
}  // namespace korvat
