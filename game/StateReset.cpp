// The reset of a new game, start-up, and the values computed from the state.
#include "Game.h"

namespace korvat {

namespace {

constexpr int32_t kStepX[4]{0, 1, 0, -1};  // down, right, up, left: decides the route chosen
constexpr int32_t kStepY[4]{1, 0, -1, 0};
constexpr int32_t kLineSteps[8][2]{{-1, 0}, {-1, -1}, {0, -1}, {1, -1},
                                   {1, 0},  {1, 1},   {0, 1},  {-1, 1}};

}  // namespace

void Game::resetState() {
    GameState& s = state;
    s.panelRect = kPanelRect;
    s.boardColumns = kBoardSize;
    s.boardRows = kBoardSize;
    s.ballWidth = kBallWidth;
    s.ballHeight = kBallHeight;
    s.cellInset = kCellInset;
    s.gridLine = kGridLine;
    s.boardRect = kBoardRect;
    s.digitWidth = kDigitWidth;
    s.digitHeight = kDigitHeight;

    for (int32_t& cell : s.board.cells) {
        cell = EMPTY;
    }
    s.selectedX = -1;
    s.selectedY = -1;
    s.bounceStep = -1;
    s.bounceFrame = 9;
    for (int i = 0; i < 4; ++i) {
        s.stepX[i] = kStepX[i];
        s.stepY[i] = kStepY[i];
    }
    for (int d = 0; d < 8; ++d) {
        s.lineSteps[d][0] = kLineSteps[d][0];
        s.lineSteps[d][1] = kLineSteps[d][1];
    }
    s.score = 0;
    s.undoAvailable = 0;
}

void Game::initialise() {
    state.linesMode = 1;
    state.blockMode = 0;
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
    if (state.newGamePending == 0) {
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

SavedGame Game::savedGame() {
    SavedGame game;
    game.seconds = playSeconds();
    game.score = state.score;
    game.blockMode = state.blockMode;
    game.linesMode = state.linesMode;
    game.board = state.board;
    return game;
}

bool Game::onBoard(int32_t x, int32_t y) const {
    return x >= 0 && y >= 0 && x < state.boardColumns && y < state.boardRows && x < kBoardSize &&
           y < kBoardSize;
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
