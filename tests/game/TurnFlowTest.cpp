// What a turn contains: its steps in order with their delays, where its phases end, and what
// the rules ask of the clock in between. The replay driver shows sounds and messages only.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "game/Game.h"
#include "game/Geometry.h"
#include "game/SilentHost.h"

namespace korvat {
namespace {

using Log = std::vector<std::string>;

template <typename... Numbers>
std::string entry(std::string name, Numbers... numbers) {
    ((name += " " + std::to_string(numbers)), ...);
    return name;
}

// The kind of a step and the fields it carries; kinds no test looks into are "other".
std::string describe(const Turn& turn, const Step& s) {
    const FigureRecord& figure = turn.figures[s.figure];
    switch (s.kind) {
        case StepKind::MoveStart:
            return entry("moveStart", s.cell.x, s.cell.y);
        case StepKind::MoveBall:
            return entry("moveBall", s.cell.x, s.cell.y, s.from.x, s.from.y, s.color);
        case StepKind::AppearFrame:
            return entry("appear", s.frame, s.wave.colors[0], s.wave.cells[0].x);
        case StepKind::ExplosionFrame:
            return entry("burst", s.frame, figure.count, figure.cells[1].x, figure.cells[1].y);
        case StepKind::RestingBall:
            return entry("rest", s.cell.x, s.cell.y, s.color);
        case StepKind::Sound:
            return entry("sound", static_cast<int>(s.sound));
        case StepKind::NextColors:
            return entry("nextColors", s.wave.colors[0]);
        case StepKind::Hints:
            return entry("hints", s.wave.colors[0], s.wave.cells[0].x);
        case StepKind::Scores:
            return entry("scores", s.best, s.score);
        case StepKind::RedrawAll:
            return "redrawAll";
        case StepKind::RuleMarks:
            return s.block ? "marks block" : "marks lines";
        case StepKind::Message:
            return std::string("message ") + s.text;
        case StepKind::NameDialog:
            return "nameDialog";
        case StepKind::HighScores:
            return "highScores";
        default:
            return "other";
    }
}

// The silent host with a set clock, logging what the rules ask of it.
class FakeHost : public SilentHost {
  public:
    uint32_t tick = 0;
    std::optional<uint32_t> storedJumpDelay;
    SavedGame toRead{};
    Log log;

    uint32_t tickCount() override { return tick; }
    void seedRandom() override { log.push_back("seed"); }
    void startTimer(TimerId id, uint32_t ms) override { log.push_back(entry(name(id), ms)); }
    void stopTimer(TimerId id) override { log.push_back("stop " + name(id)); }
    void loadSettings(Settings& settings) override {
        settings.jumpDelay = storedJumpDelay.value_or(settings.jumpDelay);
    }
    bool readSavedGame(const char*, SavedGame& game) override {
        log.push_back("read");
        game = toRead;
        return true;
    }
    void saveHighScores(const HighScoreTable&) override { log.push_back("saveHighScores"); }
    void newGameStarting() override { log.push_back("newGame"); }
    void gameEnded(uint32_t score, bool enters) override {
        log.push_back(entry("gameEnded", score, enters));
    }

  private:
    static std::string name(TimerId id) { return id == TimerId::Bounce ? "bounce" : "clock"; }
};

// A game after its first paint, on an empty board in Lines rules, the host's log empty, a wave
// of colour 5 announced for (7, 7), (8, 8) and (0, 8).
class TurnFlowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        game.initialise();
        finishTurn(game);
        game.state.newGamePending = false;
        std::ranges::fill(game.state.board.cells, EMPTY);
        game.state.next = Wave{{5, 5, 5}, {{7, 7}, {8, 8}, {0, 8}}};
        host.log.clear();
    }
    void put(std::initializer_list<CellPos> cells, int32_t color) {
        for (const CellPos& cell : cells) {
            game.state.board.at(cell.x, cell.y) = color;
        }
    }
    const Turn& tap(int32_t x, int32_t y) {
        return game.onBoardTap(kBoardRect.left + kCellPitch * x + 1,
                               kBoardRect.top + kRowPitch * y + 1);
    }
    // Plays the turn, a line per step, "|" where a phase ends and the next is computed;
    // `beforePhase` runs as each later phase is asked for (a dialog closing, time passing).
    Log play(
        const Turn& first, const std::function<void()>& beforePhase = [] {}) {
        const Turn* turn = &first;
        for (;;) {
            for (const Step& step : std::span(turn->steps, turn->stepCount)) {
                const std::string wait =
                    step.delayMs ? " wait " + std::to_string(step.delayMs) : "";
                host.log.push_back(describe(*turn, step) + wait);
            }
            if (!game.turnPending()) {
                break;
            }
            host.log.push_back("|");
            beforePhase();
            turn = &game.continueTurn();
        }
        return std::exchange(host.log, {});
    }

    FakeHost host;
    Game game{host.roles()};
};

TEST_F(TurnFlowTest, BounceTimerRunsAtTheJumpDelayFromTheFirstPaintAndTakesANewOneAtOnce) {
    game.state.newGamePending = true;
    game.state.settings.jumpDelay = 40;
    const Log painted = play(game.onPaint());
    EXPECT_EQ(std::ranges::count(painted, "bounce 40"), 1);
    EXPECT_EQ(std::ranges::count(painted, "clock 1000"), 1);
    // Delays that would flood the window with ticks, or that mean no wait elsewhere: 10 ms.
    const uint32_t jumpAndPeriod[][2] = {{250, 250}, {10, 10}, {9, 10}, {0, 10}, {1u << 31, 10}};
    for (const auto& [jump, period] : jumpAndPeriod) {
        host.storedJumpDelay = jump;
        host.log.clear();
        game.readSettings();
        EXPECT_EQ(host.log, Log{entry("bounce", period)}) << jump;
    }
}

// The move walks its route with the move delay on every cell but the last; the generator is
// seeded for the next colours only once the wave has grown, and the wave once the move played.
TEST_F(TurnFlowTest, AMoveItsWaveAndTheNextColoursArePhasesInThatOrder) {
    game.state.settings.moveDelay = 30;
    game.state.settings.appearDelay = 20;
    put({{1, 1}}, 4);
    put({{2, 0}, {2, 1}}, 6);
    tap(1, 1);
    Log turn = play(tap(3, 1));
    ASSERT_EQ(turn.size(), 18u);
    EXPECT_TRUE(turn[14].starts_with("nextColors "));
    EXPECT_TRUE(turn[15].starts_with("hints "));
    EXPECT_EQ(Log(turn.begin() + 16, turn.end()), (Log{"|", "|"}));  // refill, then selection
    turn.resize(14);
    const Log expected{
        "moveStart 1 1",
        "moveBall 1 2 -1 -1 4 wait 30",  // of equal routes, the one going down first
        "moveBall 2 2 1 2 4 wait 30",
        "moveBall 3 2 2 2 4 wait 30",
        "moveBall 3 1 3 2 4",
        "|",
        "appear 0 5 7 wait 20",
        "appear 1 5 7 wait 20",
        "appear 2 5 7 wait 20",
        "appear 3 5 7 wait 20",
        "sound 137",
        "|",
        "seed",
        "seed",
    };
    EXPECT_EQ(turn, expected);

    // A planned cell the move took is drawn for again, as the wave's phase begins.
    game.state.next = Wave{{5, 5, 5}, {{3, 3}, {8, 8}, {0, 8}}};
    tap(3, 1);
    turn = play(tap(3, 3));
    EXPECT_EQ(Log(turn.begin() + 2, turn.begin() + 5), (Log{"moveBall 3 3 3 2 4", "|", "seed"}));
}

// A refused move and a second undo are the route and undo scripts' to show.
TEST_F(TurnFlowTest, ReselectingRestsTheOldBallUndoRedrawsAndLoadingRestartsTheBounce) {
    put({{1, 1}}, 4);
    put({{5, 5}}, 6);
    tap(1, 1);
    EXPECT_EQ(play(tap(5, 5)), Log{"rest 1 1 4"});
    EXPECT_EQ(play(tap(1, 1)), Log{"rest 5 5 6"});
    play(tap(1, 8));
    EXPECT_EQ(play(game.onUndo()), (Log{"nextColors 5", "redrawAll"}));

    // Loading stops the bounce before reading and restarts it.
    host.toRead.blockMode = 1;
    host.toRead.linesMode = 0;
    std::ranges::fill(host.toRead.board.cells, EMPTY);
    const Log loaded = play(game.resumeLoadedGame("a.kvt"));
    // What the rules ask of the clock comes as a phase is computed, before its steps play.
    EXPECT_EQ(loaded, (Log{"stop bounce", "read", "bounce 100", "seed", "seed", "marks block", "|",
                           "redrawAll"}));
}

// Lines bursts wait after each frame of each line; Block bursts never wait.
TEST_F(TurnFlowTest, LinesBurstWaitsAfterEachFrameButBlockBurstDoesNot) {
    game.state.settings.explosionDelay = 40;
    game.state.settings.bestScore = 7;
    put({{2, 4}, {3, 4}, {5, 4}, {6, 4}, {2, 2}, {3, 3}, {5, 5}, {6, 6}, {4, 0}}, 2);
    tap(4, 0);
    const Log burst = play(tap(4, 4));
    Log expected{"sound 138"};
    for (int r = 5; r <= 9; ++r) {
        expected.push_back(entry("burst", r, 5, 3, 4) + " wait 40");  // across
        expected.push_back(entry("burst", r, 5, 3, 3) + " wait 40");  // then the diagonal
    }
    expected.push_back("hints 5 7");
    expected.push_back(entry("scores", 7, 10));  // two runs of 5, the moved ball in each
    // No wave after a burst, but the emptied board gets the announced one at once.
    expected.insert(expected.end(), {"|", "|", "appear 0 5 7 wait 100"});
    ASSERT_GE(burst.size(), 5 + expected.size());
    EXPECT_EQ(Log(burst.begin() + 5, burst.begin() + 5 + expected.size()), expected);

    // A delay that reads as negative means no wait at all; a Block burst never waits.
    game.state.settings.explosionDelay = 1u << 31;
    std::ranges::fill(game.state.board.cells, EMPTY);
    put({{0, 1}, {1, 1}, {3, 1}, {4, 1}, {2, 8}}, 1);
    tap(2, 8);
    const Log unwaited = play(tap(2, 1));
    const auto unwaitedBurst = [](auto& l) {
        return l.starts_with("burst") && l.find("wait") == l.npos;
    };
    EXPECT_EQ(std::ranges::count_if(unwaited, unwaitedBurst), 5);

    play(game.onBlockMode());
    std::ranges::fill(game.state.board.cells, EMPTY);
    game.state.settings.explosionDelay = 100;
    put({{0, 0}, {1, 0}, {0, 1}, {8, 8}}, 3);
    tap(8, 8);
    const Log block = play(tap(1, 1));
    EXPECT_EQ(std::ranges::count(block, "burst 5 4 0 0"), 1);  // one square of four
    EXPECT_EQ(std::ranges::count(block, "burst 9 4 0 0"), 1);
    EXPECT_EQ(std::ranges::count_if(block, [](auto& l) { return l.starts_with("burst"); }), 5);
}

// The message, then the name dialog, then the row with the time spent typing, the table, and
// the next game: each dialog ends a phase, so what follows it happens once it has closed.
TEST_F(TurnFlowTest, EndOfGameWaitsForEachDialogAndCountsTheTimeSpentTypingTheName) {
    for (int32_t i = 0; i < kCellCount; ++i) {
        game.state.board.cells[i] = 1 + (i / kBoardSize + 2 * i) % 4;  // no line anywhere
    }
    put({{5, 5}, {6, 6}}, EMPTY);
    game.state.score = 200;
    game.state.carriedSeconds = 3000;
    game.state.clockStartTick = 1000;
    host.tick = 1000;
    tap(5, 4);
    const Log turn = play(tap(5, 5), [&] {
        if (host.log.end()[-2] == "nameDialog") {  // it closes 725.999 s later
            game.enterName("Ann");
            host.tick = 1000 + 725 * 1000 + 999;
        }
    });
    const auto ended = std::ranges::find(turn, "gameEnded 200 1");  // 200 enters the table
    ASSERT_GE(turn.end() - ended, 9);
    EXPECT_EQ(Log(ended, ended + 9),
              (Log{"gameEnded 200 1", "message No more move!", "|", "nameDialog", "|",
                   "saveHighScores", "highScores", "|", "newGame"}));
    const HighScoreEntry& top = game.highScores.entries[0];
    EXPECT_EQ(std::vector({top.hours, top.minutes, top.seconds}), std::vector({1u, 2u, 5u}));
    EXPECT_EQ(game.state.clockStartTick, host.tick);  // the next game's clock starts now
}

}  // namespace
}  // namespace korvat
