// The one-step undo: the state just before the last move.
#include "Game.h"

namespace korvat {

void Game::saveUndo() {
    state.undoScore = state.score;
    state.undoBestScore = state.settings.bestScore;
    state.undoBoard = state.board;
    for (int32_t i = 0; i < kWaveSize; ++i) {
        state.undoNextColors[i] = state.nextColors[i];
        state.undoNextCells[i] = state.nextCells[i];
    }
}

void Game::onUndo() {
    if (state.undoAvailable != 1) {
        return;
    }
    restoreUndo();
    state.undoAvailable = 0;
}

void Game::restoreUndo() {
    // The selection, the bounce, the rule flags and the clock stay as they are.
    state.score = state.undoScore;
    state.settings.bestScore = state.undoBestScore;
    state.board = state.undoBoard;
    for (int32_t i = 0; i < kWaveSize; ++i) {
        state.nextCells[i] = state.undoNextCells[i];
        state.nextColors[i] = state.undoNextColors[i];
    }
    host_.screen.drawNextColors();
    host_.screen.redrawAll();
}

}  // namespace korvat
