// New balls: their colours, their planned cells, and the hand-over to the wave being placed.
#include <algorithm>
#include <iterator>

#include "Game.h"

namespace korvat {

namespace {

// rand() mod n; the value is taken as unsigned so that no generator can push it out of range.
int32_t randomBelow(Clock& clock, int32_t n) {
    return static_cast<int32_t>(static_cast<uint32_t>(clock.nextRandom()) %
                                static_cast<uint32_t>(n));
}

}  // namespace

void Game::pickNextColors() {
    host_.clock.seedRandom();
    for (int32_t& color : state.next.colors) {
        int32_t c = 0;
        while (c == 0) {
            c = randomBelow(host_.clock, 8);
        }
        color = c;
    }
}

bool Game::planNextCells() {
    if (state.board.emptyCount() < kWaveSize) {
        return false;
    }

    host_.clock.seedRandom();
    int32_t chosen = 0;
    while (chosen < kWaveSize) {
        CellPos cell;
        pickRandomEmptyCell(cell);
        bool taken = false;
        for (int32_t k = 0; k < chosen; ++k) {
            taken = taken || state.next.cells[k] == cell;
        }
        if (!taken) {
            state.next.cells[chosen++] = cell;
        }
    }
    return true;
}

void Game::takeNextColors() {
    std::copy(std::begin(state.next.colors), std::end(state.next.colors), state.appearing.colors);
    std::fill(std::begin(state.next.colors), std::end(state.next.colors), -1);
}

void Game::settleAppearCells() {
    std::copy(std::begin(state.next.cells), std::end(state.next.cells), state.appearing.cells);
    for (CellPos& cell : state.appearing.cells) {
        if (onBoard(cell.x, cell.y) && state.board.at(cell.x, cell.y) == EMPTY) {
            continue;
        }
        // The last move took this cell. The new one is not compared with the other planned
        // cells: landing on one of them costs the wave a ball.
        if (state.board.emptyCount() == 0) {
            cell = CellPos{};  // cannot happen in play: the moved ball left a cell free
            continue;
        }
        host_.clock.seedRandom();
        pickRandomEmptyCell(cell);
    }
}

void Game::pickRandomEmptyCell(CellPos& cell) {
    do {
        cell.x = randomBelow(host_.clock, kBoardSize);
        cell.y = randomBelow(host_.clock, kBoardSize);
    } while (state.board.at(cell.x, cell.y) != EMPTY);
}

void Game::placeWave() {
    const Wave& wave = state.appearing;
    for (int32_t frame = 0; frame < kAppearanceFrames; ++frame) {
        Step& step = turn_.add(StepKind::AppearFrame, stepDelay(state.settings.appearDelay));
        step.frame = frame;
        step.wave = wave;
    }
    for (int32_t k = 0; k < kWaveSize; ++k) {
        const CellPos cell = wave.cells[k];
        if (wave.colors[k] > 0 && wave.colors[k] <= kColorCount && onBoard(cell.x, cell.y)) {
            state.board.at(cell.x, cell.y) = wave.colors[k];
        }
    }
    for (const CellPos& cell : wave.cells) {
        testFigures(cell.x, cell.y);
    }
}

bool Game::testFigures(int32_t x, int32_t y) {
    if (!onBoard(x, y)) {
        return false;
    }
    if (state.rules == Rules::Lines && scanLines(x, y)) {
        sound(SoundId::Explosion);
        clearLines();
        return true;
    }
    if (state.rules == Rules::Block && scanBlocks(x, y)) {
        sound(SoundId::Explosion);
        clearBlock();
        return true;
    }
    return false;
}

}  // namespace korvat
