// Speed of the route search and of whole turns, with a host that draws nothing and never waits.
#include <benchmark/benchmark.h>

#include "game/Game.h"
#include "game/SilentHost.h"
#include "ui/Layout.h"

namespace korvat {
namespace {

// The next value of the silent host's generator, which also places the game's balls.
uint32_t next(SilentHost& host) {
    return static_cast<uint32_t>(host.nextRandom());
}

void BM_FindRouteEmptyBoard(benchmark::State& bench) {
    SilentHost host;
    Game game{host.roles()};
    game.initialise();
    game.state.board.at(0, 0) = 1;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(game.findRoute(0, 0, 8, 8));
    }
}
BENCHMARK(BM_FindRouteEmptyBoard);

// A crowded board: a snake corridor, so the route is long and the wave needs many passes.
void BM_FindRouteCrowdedBoard(benchmark::State& bench) {
    SilentHost host;
    Game game{host.roles()};
    game.initialise();
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
    Game game{host.roles()};
    game.initialise();
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
    Game game{host.roles()};
    game.initialise();
    game.onPaint();
    finishTurn(game);
    int64_t moved = 0;
    for (auto _ : bench) {
        CellPos ball;
        CellPos free;
        do {
            ball =
                CellPos{static_cast<int32_t>(next(host) % 9), static_cast<int32_t>(next(host) % 9)};
        } while (game.state.board.at(ball.x, ball.y) == EMPTY);
        do {
            free =
                CellPos{static_cast<int32_t>(next(host) % 9), static_cast<int32_t>(next(host) % 9)};
        } while (game.state.board.at(free.x, free.y) != EMPTY);
        const ui::Point from = ui::cellOrigin(ball.x, ball.y);
        const ui::Point to = ui::cellOrigin(free.x, free.y);
        game.onBoardTap(from.x + ui::kBallWidth / 2, from.y + ui::kBallHeight / 2);
        game.onBoardTap(to.x + ui::kBallWidth / 2, to.y + ui::kBallHeight / 2);
        finishTurn(game);
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
