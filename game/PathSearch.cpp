// The shortest free route of a ball: a breadth-first wave by repeated full scans of
// distanceGrid, then a walk back whose neighbour order picks among equal routes.
#include "Game.h"

namespace korvat {

namespace {

// A pass per step of the longest conceivable route, and one more.
constexpr int32_t kMaxPasses = kCellCount + 1;
// Down, right, up, left: the order decides which of equal routes is taken.
constexpr int32_t kStepX[4]{0, 1, 0, -1};
constexpr int32_t kStepY[4]{1, 0, -1, 0};

}  // namespace

void Game::labelNeighbours(int32_t x, int32_t y) {
    const int32_t label = state.distanceGrid[cellIndex(x, y)] - 1;
    for (int32_t i = 0; i < 4; ++i) {
        const int32_t nx = x + kStepX[i];
        const int32_t ny = y + kStepY[i];
        if (onBoard(nx, ny) && state.distanceGrid[cellIndex(nx, ny)] == EMPTY) {
            state.distanceGrid[cellIndex(nx, ny)] = label;
        }
    }
}

void Game::spreadDistances(int32_t fromX, int32_t fromY, int32_t toX, int32_t toY) {
    for (int32_t i = 0; i < kCellCount; ++i) {
        state.distanceGrid[i] = state.board.cells[i];
    }
    int32_t& start = state.distanceGrid[cellIndex(fromX, fromY)];
    const int32_t startValue = start;
    start = EMPTY;
    labelNeighbours(fromX, fromY);
    start = 0;  // no later pass may take the start for an unreached cell

    bool found = false;
    int32_t label = -2;
    for (int32_t passes = 0; !found && passes < kMaxPasses; ++passes, --label) {
        for (int32_t x = 0; x < kBoardSize && !found; ++x) {
            for (int32_t y = 0; y < kBoardSize; ++y) {
                if (state.distanceGrid[cellIndex(x, y)] != label) {
                    continue;
                }
                if (x == toX && y == toY) {
                    found = true;
                    break;
                }
                labelNeighbours(x, y);
            }
        }
    }
    start = startValue;
}

int32_t Game::findRoute(int32_t fromX, int32_t fromY, int32_t toX, int32_t toY) {
    for (CellPos& cell : state.route) {
        cell = CellPos{};
    }
    if (!onBoard(fromX, fromY) || !onBoard(toX, toY) || (fromX == toX && fromY == toY)) {
        return 0;
    }
    spreadDistances(fromX, fromY, toX, toY);

    // Only a labelled empty cell was reached; a ball or an unreached cell has no route.
    const int32_t destination = state.distanceGrid[cellIndex(toX, toY)];
    if (destination > -2) {
        return 0;
    }
    const int32_t length = -destination - 1;
    if (length >= kCellCount) {
        return 0;  // no shortest route on the board is this long
    }
    state.route[length] = CellPos{toX, toY};
    int32_t x = toX;
    int32_t y = toY;
    for (int32_t label = -length; label <= -2; ++label) {
        for (int32_t i = 0; i < 4; ++i) {
            const int32_t nx = x + kStepX[i];
            const int32_t ny = y + kStepY[i];
            if (onBoard(nx, ny) && state.distanceGrid[cellIndex(nx, ny)] == label) {
                state.route[-label - 1] = CellPos{nx, ny};
                x = nx;
                y = ny;
            }
        }
    }
    state.route[0] = CellPos{fromX, fromY};
    return 1;
}

}  // namespace korvat
