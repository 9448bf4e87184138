// Speed of the route search and of whole turns, with a host that draws nothing and never waits.
#include <benchmark/benchmark.h>

#include "game/Game.h"
#include "ui/Layout.h"

namespace korvat {
namespace {

class SilentHost : public GameHost {
  public:
    uint32_t tickCount() override { return tick_ += 7; }
    void seedRandom() override {}
    int nextRandom() override {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return static_cast<int>(state_ & 0x7FFF);
    }
    void sleepMs(uint32_t) override {}
    void startTimer(TimerId, uint32_t) override {}
    void stopTimer(TimerId) override {}
    void playSound(SoundId) override {}
    void redrawAll() override {}
    void drawPanel() override {}
    void drawBoardImage() override {}
    void drawNextColors() override {}
    void drawScores() override {}
    void drawClock(uint32_t) override {}
    void drawHints() override {}
    void drawRestingBall(CellPos, int32_t) override {}
    void drawBounceFrame(CellPos, int32_t, int32_t) override {}
    void drawExplosionFrame(int32_t, int32_t) override {}
    void animateMove() override {}
    void animateAppearance() override {}
    void showMessage(const char*) override {}
    void askPlayerName(char* name, size_t capacity) override {
        if (capacity > 0) {
            name[0] = '\0';
        }
    }
    void showHighScores() override {}
    void setRuleCheckMarks(bool) override {}
    bool loadHighScores(HighScoreTable&) override { return false; }
    void saveHighScores(const HighScoreTable&) override {}
    void loadSettings(Settings&) override {}
    bool writeSavedGame(const char*, const SavedGame&) override { return true; }
    bool readSavedGame(const char*, SavedGame&) override { return false; }

    uint32_t next() { return static_cast<uint32_t>(nextRandom()); }

  private:
    uint32_t tick_ = 0;
    uint32_t state_ = 2463534242u;
};

void BM_FindRouteEmptyBoard(benchmark::State& bench) {
    SilentHost host;
    Game game{host};
    game.resetState();
    game.state.board.at(0, 0) = 1;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(game.findRoute(0, 0, 8, 8));
    }
}
BENCHMARK(BM_FindRouteEmptyBoard);

// A crowded board: a snake corridor, so the route is long and the wave needs many passes.
void BM_FindRouteCrowdedBoard(benchmark::State& bench) {
    SilentHost host;
    Game game{host};
    game.resetState();
    game.state.board.at(0, 0) = 1;
    for (int32_t x = 1; x < 9; x += 2) {
        for (int32_t y = 0; y < 9; ++y) {
            const bool gap = (x % 4 == 1) ? y == 8 : y == 0;
            if (!gap) {
                game.state.board.at(x, y) = 2;
            }
        }
    }
    for (auto _ : bench) {
        benchmark::DoNotOptimize(game.findRoute(0, 0, 8, 8));
    }
}
BENCHMARK(BM_FindRouteCrowdedBoard);

// The worst case: an enclosed destination costs all passes.
void BM_FindRouteUnreachable(benchmark::State& bench) {
    SilentHost host;
    Game game{host};
    game.resetState();
    game.state.board.at(0, 0) = 1;
    game.state.board.at(7, 8) = 2;
    game.state.board.at(8, 7) = 2;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(game.findRoute(0, 0, 8, 8));
    }
}
BENCHMARK(BM_FindRouteUnreachable);

// One random move: a tap on a random ball, then a tap on a random free cell, with everything
// the turn brings (waves, figures, the end of a game and the next one).
void BM_RandomMoves(benchmark::State& bench) {
    SilentHost host;
    Game game{host};
    game.initialise();
    game.onPaint();
    int64_t moved = 0;
    for (auto _ : bench) {
        CellPos ball;
        CellPos free;
        do {
            ball = CellPos{static_cast<int32_t>(host.next() % 9),
                           static_cast<int32_t>(host.next() % 9)};
        } while (game.state.board.at(ball.x, ball.y) == EMPTY);
        do {
            free = CellPos{static_cast<int32_t>(host.next() % 9),
                           static_cast<int32_t>(host.next() % 9)};
        } while (game.state.board.at(free.x, free.y) != EMPTY);
        const ui::Point from = ui::cellOrigin(ball.x, ball.y);
        const ui::Point to = ui::cellOrigin(free.x, free.y);
        game.onBoardTap(from.x + ui::kBallWidth / 2, from.y + ui::kBallHeight / 2);
        game.onBoardTap(to.x + ui::kBallWidth / 2, to.y + ui::kBallHeight / 2);
        moved += game.state.selectedX < 0 ? 1 : 0;
    }
    bench.counters["moves"] =
        benchmark::Counter(static_cast<double>(bench.iterations()), benchmark::Counter::kIsRate);
    bench.counters["completed"] =
        benchmark::Counter(static_cast<double>(moved), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RandomMoves);

}  // namespace
}  // namespace korvat
