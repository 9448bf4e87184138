#include "RandomGames.h"

#include <cstdio>
#include <ctime>

#include "Output.h"
#include "SimHost.h"
#include "game/Game.h"
#include "ui/Layout.h"

namespace korvat::sim {

namespace {

constexpr int32_t kStepX[4] = {0, 1, 0, -1};
constexpr int32_t kStepY[4] = {1, 0, -1, 0};

// The player's own generator, apart from the C library's one that the game uses.
class SplitMix {
  public:
    explicit SplitMix(uint64_t seed) : state_(seed) {}
    uint64_t next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    uint32_t below(uint32_t n) { return static_cast<uint32_t>(next() % n); }

  private:
    uint64_t state_;
};

int32_t countBalls(const Board& board) {
    return kCellCount - board.emptyCount();
}

// The player's view of the board: the empty cells a ball can reach and how far each lies.
// It is the tests' independent measure of the route the rules choose.
struct Reach {
    int32_t distance[kCellCount];
    CellPos cells[kCellCount];
    int32_t count = 0;
};

void measureReach(const Board& board, CellPos from, Reach& reach) {
    for (int32_t& d : reach.distance) {
        d = -1;
    }
    CellPos queue[kCellCount];
    int32_t head = 0;
    int32_t tail = 0;
    reach.count = 0;
    reach.distance[cellIndex(from.x, from.y)] = 0;
    queue[tail++] = from;
    while (head < tail) {
        const CellPos cell = queue[head++];
        const int32_t d = reach.distance[cellIndex(cell.x, cell.y)];
        for (int i = 0; i < 4; ++i) {
            const int32_t x = cell.x + kStepX[i];
            const int32_t y = cell.y + kStepY[i];
            if (ui::isCell(x, y) && board.at(x, y) == EMPTY &&
                reach.distance[cellIndex(x, y)] < 0) {
                reach.distance[cellIndex(x, y)] = d + 1;
                queue[tail++] = CellPos{x, y};
                reach.cells[reach.count++] = CellPos{x, y};
            }
        }
    }
}

// A ball with an empty neighbour, at random; (-1, -1) when no ball can move at all.
CellPos pickMovableBall(const Board& board, SplitMix& random) {
    CellPos movable[kCellCount];
    uint32_t count = 0;
    for (int32_t x = 0; x < kBoardSize; ++x) {
        for (int32_t y = 0; y < kBoardSize; ++y) {
            if (board.at(x, y) == EMPTY) {
                continue;
            }
            for (int i = 0; i < 4; ++i) {
                const int32_t nx = x + kStepX[i];
                const int32_t ny = y + kStepY[i];
                if (ui::isCell(nx, ny) && board.at(nx, ny) == EMPTY) {
                    movable[count++] = CellPos{x, y};
                    break;
                }
            }
        }
    }
    return count == 0 ? CellPos{} : movable[random.below(count)];
}

void tapCell(SimHost& host, Game& game, CellPos cell) {
    const ui::Point origin = ui::cellOrigin(cell.x, cell.y);
    host.play(game, game.onBoardTap(origin.x + ui::kBallWidth / 2, origin.y + ui::kBallHeight / 2));
}

struct MoveRecord {
    Board before;
    uint32_t scoreBefore;
    CellPos from;
    CellPos to;
    int32_t distance;
    bool gameEnded;
};

bool fail(std::string& failure, const char* what) {
    failure = what;
    return false;
}

// What must hold after every tap that moved a ball.
bool checkAfterMove(const GameState& s, const MoveRecord& move, std::string& failure) {
    for (int32_t cell : s.board.cells) {
        if (cell != EMPTY && (cell < 1 || cell > kColorCount)) {
            return fail(failure, "a cell holds neither EMPTY nor a colour");
        }
    }
    if (s.board.emptyCount() < kWaveSize) {
        return fail(failure, "fewer than three empty cells left in play");
    }
    for (int i = 0; i < kWaveSize; ++i) {
        const CellPos c = s.next.cells[i];
        if (s.next.colors[i] < 1 || s.next.colors[i] > kColorCount) {
            return fail(failure, "an announced colour is not 1 to 7");
        }
        if (!ui::isCell(c.x, c.y) || s.board.at(c.x, c.y) != EMPTY) {
            return fail(failure, "an announced cell is off the board or taken");
        }
        for (int j = 0; j < i; ++j) {
            if (s.next.cells[j] == c) {
                return fail(failure, "two announced cells are the same");
            }
        }
    }
    if (s.selectedX != -1 || s.selectedY != -1) {
        return fail(failure, "the selection outlived the move");
    }

    // The route: shortest, through cells that were empty, start and destination at its ends.
    if (!(s.route[0] == move.from) || !(s.route[move.distance] == move.to) ||
        !(s.route[move.distance + 1] == CellPos{})) {
        return fail(failure, "the route does not run from the ball to the tap in the fewest steps");
    }
    for (int32_t k = 1; k <= move.distance; ++k) {
        const CellPos a = s.route[k - 1];
        const CellPos b = s.route[k];
        if (std::abs(a.x - b.x) + std::abs(a.y - b.y) != 1 || move.before.at(b.x, b.y) != EMPTY) {
            return fail(failure, "the route jumps or passes a ball");
        }
    }

    if (move.gameEnded) {
        if (s.score != 0 || s.undoAvailable || countBalls(s.board) != kWaveSize) {
            return fail(failure, "the next game does not start with three balls and no points");
        }
        return true;
    }
    if (!s.undoAvailable || !(s.undo.board == move.before) || s.undo.score != move.scoreBefore) {
        return fail(failure, "the undo copy is not the board before the move");
    }
    if (s.score < move.scoreBefore) {
        return fail(failure, "the score went down during a game");
    }
    if (s.score == move.scoreBefore) {
        const int32_t added = countBalls(s.board) - countBalls(move.before);
        if (added != 2 && added != kWaveSize) {
            return fail(failure, "a move without points did not bring its wave");
        }
        if (s.board.at(move.to.x, move.to.y) != move.before.at(move.from.x, move.from.y)) {
            return fail(failure, "the moved ball is not at the tapped cell");
        }
    }
    return true;
}

}  // namespace

RandomGamesReport playRandomGames(uint64_t games, uint64_t seed, bool checkInvariants) {
    RandomGamesReport report;
    Output quiet(nullptr);
    SimHost host(quiet, std::string());
    Game game(host.roles());
    SplitMix random(seed);
    // Calendar seconds somewhere in 2001 to 2038, as a real clock would give them.
    host.calendarSeconds = 1'000'000'000u + random.below(1'000'000'000u);
    host.ticks = random.below(1'000'000u);
    game.initialise();
    host.play(game, game.onPaint());

    uint64_t stuckGames = 0;
    Reach reach;
    // Processor time, so that the figure is the rules' own speed on one core however busy
    // the machine is.
    const std::clock_t started = std::clock();
    while (host.endedGames + stuckGames < games) {
        const CellPos from = pickMovableBall(game.state.board, random);
        if (from == CellPos{}) {
            // Three or more empty cells no ball can reach: the rules play on forever, the
            // player gives up and starts afresh.
            ++stuckGames;
            report.scoreSum += game.state.score;
            host.play(game, game.onNewGame());
            continue;
        }
        measureReach(game.state.board, from, reach);
        const CellPos to = reach.cells[random.below(static_cast<uint32_t>(reach.count))];

        // A few seconds of thought between moves, so that the game reseeds differently.
        const uint32_t pause = 1 + random.below(4);
        host.calendarSeconds += pause;
        host.ticks += pause * 1000 + random.below(1000);

        const uint64_t endedBefore = host.endedGames;
        MoveRecord move{game.state.board,
                        game.state.score,
                        from,
                        to,
                        reach.distance[cellIndex(to.x, to.y)],
                        false};
        tapCell(host, game, from);
        tapCell(host, game, to);
        ++report.moves;
        if (checkInvariants) {
            move.gameEnded = host.endedGames != endedBefore;
            if (!checkAfterMove(game.state, move, report.failure)) {
                char where[96];
                std::snprintf(where, sizeof where, " (game %llu, move %llu)",
                              static_cast<unsigned long long>(host.endedGames + stuckGames + 1),
                              static_cast<unsigned long long>(report.moves));
                report.failure += where;
                break;
            }
        }
    }
    report.elapsedSeconds = static_cast<double>(std::clock() - started) / CLOCKS_PER_SEC;
    report.games = host.endedGames + stuckGames;
    report.scoreSum += host.endedScoreSum;
    return report;
}

}  // namespace korvat::sim
