// The reset of a new game, start-up, and the values computed from the state.
#include "Game.h"

namespace korvat {

void Game::resetState() {
    GameState& s = state;
    for (int32_t& cell : s.board.cells) {
        cell = EMPTY;
    }
    s.selectedX = -1;
    s.selectedY = -1;
    s.bounceStep = -1;
    s.bounceFrame = 9;
    s.score = 0;
    s.undoAvailable = false;
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

void Game::restore(const Position& position) {
    state.board = position.board;
    state.next = position.next;
    state.score = position.score;
    state.settings.bestScore = position.best;
}

SavedGame Game::savedGame() {
    const Position now = position();
    return SavedGame{playSeconds(), now.score, state.rules == Rules::Block ? 1 : 0,
                     state.rules == Rules::Lines ? 1 : 0, now.board};
}

bool Game::onBoard(int32_t x, int32_t y) const {
    return x >= 0 && y >= 0 && x < kBoardSize && y < kBoardSize;
}

bool Game::boardIsEmpty() const {
    for (const int32_t cell : state.board.cells) {
        if (cell != EMPTY) {
            return false;
        }
    }
    return true;
}

}  // namespace korvat
