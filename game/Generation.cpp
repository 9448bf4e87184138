// New balls: their colours, their planned cells, and the hand-over to the wave being placed.
#include "Game.h"

namespace korvat {

namespace {

// rand() mod n; the value is taken as unsigned so that no generator can push it out of range.
int32_t randomBelow(Clock& clock, int32_t n) {
    return static_cast<int32_t>(static_cast<uint32_t>(clock.nextRandom()) %
                                static_cast<uint32_t>(n));
}

bool hasEmptyCell(const GameState& s) {
    for (int32_t cell : s.board.cells) {
        if (cell == EMPTY) {
            return true;
        }
    }
    return false;
}

}  // namespace

void Game::pickNextColors() {
    host_.clock.seedRandom();
    for (int32_t& color : state.nextColors) {
        int32_t c = 0;
        while (c == 0) {
            c = randomBelow(host_.clock, 8);
        }
        color = c;
    }
}

void Game::planNextCells() {
    int32_t empty = 0;
    for (int32_t x = 0; x < state.boardColumns && empty < kWaveSize; ++x) {
        for (int32_t y = 0; y < state.boardRows && empty < kWaveSize; ++y) {
            if (state.board.at(x, y) == EMPTY) {
                ++empty;
            }
        }
    }
    if (empty < kWaveSize) {
        endGame();
        return;
    }

    host_.clock.seedRandom();
    int32_t chosen = 0;
    while (chosen < kWaveSize) {
        CellPos cell;
        drawRandomEmptyCell(cell.x, cell.y);
        bool taken = false;
        for (int32_t k = 0; k < chosen; ++k) {
            taken = taken || state.nextCells[k] == cell;
        }
        if (!taken) {
            state.nextCells[chosen++] = cell;
        }
    }
}

void Game::takeNextColors() {
    for (int32_t i = 0; i < kWaveSize; ++i) {
        state.appearColors[i] = state.nextColors[i];
        state.nextColors[i] = -1;
    }
}

void Game::settleAppearCells() {
    for (int32_t i = 0; i < kWaveSize; ++i) {
        state.appearCells[i] = state.nextCells[i];
    }
    for (CellPos& cell : state.appearCells) {
        if (onBoard(cell.x, cell.y) && state.board.at(cell.x, cell.y) == EMPTY) {
            continue;
        }
        // The last move took this cell. The new one is not compared with the other planned
        // cells: landing on one of them costs the wave a ball.
        if (!hasEmptyCell(state)) {
            cell = CellPos{};  // cannot happen in play: the moved ball left a cell free
            continue;
        }
        host_.clock.seedRandom();
        drawRandomEmptyCell(cell.x, cell.y);
    }
}

void Game::drawRandomEmptyCell(int32_t& x, int32_t& y) {
    do {
        x = randomBelow(host_.clock, state.boardColumns);
        y = randomBelow(host_.clock, state.boardRows);
    } while (state.board.at(x, y) != EMPTY);
}

void Game::placeWave() {
    host_.screen.animateAppearance();
    for (int32_t k = 0; k < kWaveSize; ++k) {
        const CellPos cell = state.appearCells[k];
        if (state.appearColors[k] > 0 && state.appearColors[k] <= kColorCount &&
            onBoard(cell.x, cell.y)) {
            state.board.at(cell.x, cell.y) = state.appearColors[k];
        }
    }
    for (const CellPos& cell : state.appearCells) {
        testFigures(cell.x, cell.y);
    }
}

bool Game::testFigures(int32_t x, int32_t y) {
    if (!onBoard(x, y)) {
        return false;
    }
    bool found = false;
    if (state.linesMode == 1 && scanLines(x, y) == 1) {
        if (state.settings.soundOn != 0) {
            host_.screen.playSound(SoundId::Explosion);
        }
        clearLines();
        found = true;
    }
    if (state.blockMode == 1 && scanBlocks(x, y) == 1) {
        if (state.settings.soundOn != 0) {
            host_.screen.playSound(SoundId::Explosion);
        }
        clearBlock();
        found = true;
    }
    return found;
}

}  // namespace korvat
