// The reset of a new game, start-up, the one-step undo, and the values computed from the state.
#include <algorithm>
#include <iterator>

#include "Game.h"

namespace korvat {

void Game::resetState() {
    std::fill(std::begin(state.board.cells), std::end(state.board.cells), EMPTY);
    deselect();
    restBounce();
    state.score = 0;
    state.undoAvailable = false;
}

void Game::initialise() {
    state.rules = Rules::Lines;
    reloadHighScores();
    state.settings.bestScore = highScores.highest;
    resetState();
    readSettings();
}

void Game::readSettings() {
    host_.files.loadSettings(state.settings);
    // A record left with Exit is in the table but not in the store.
    if (state.settings.bestScore < highScores.highest) {
        state.settings.bestScore = highScores.highest;
    }
    if (!state.newGamePending) {
        host_.clock.startTimer(TimerId::Bounce, bouncePeriodMs(state.settings));
    }
}

void Game::reloadHighScores() {
    if (host_.files.loadHighScores(highScores)) {
        // Keeps highest and the entry threshold true to the rows, whoever read them.
        noteLoadedScores(highScores);
    } else {
        makeDefaultHighScores(highScores);
    }
}

uint32_t Game::playSeconds() {
    return state.carriedSeconds + (host_.clock.tickCount() - state.clockStartTick) / 1000u;
}

Position Game::position() const {
    return Position{state.board, state.next, state.score, state.settings.bestScore};
}

// The position just before the last move.
const Turn& Game::onUndo() {
    turn_.clear();
    if (!state.undoAvailable) {
        return turn_;
    }
    // The selection, the bounce, the rules and the clock stay as they are.
    state.board = state.undo.board;
    state.next = state.undo.next;
    state.score = state.undo.score;
    state.settings.bestScore = state.undo.best;
    state.undoAvailable = false;
    turn_.add(StepKind::NextColors).wave = state.next;
    turn_.add(StepKind::RedrawAll);
    return turn_;
}

bool Game::onBoard(int32_t x, int32_t y) const {
    return x >= 0 && y >= 0 && x < kBoardSize && y < kBoardSize;
}

}  // namespace korvat
