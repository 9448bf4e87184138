// A tap on the board, the second half of a turn, and the start of a game.
#include "Game.h"

namespace korvat {

void Game::onBoardTap(int32_t x, int32_t y) {
    const Rect& area = state.boardRect;
    // The rectangle's edges count as inside; its last two pixels map to index 9, no cell.
    if (x < area.left || x > area.right || y < area.top || y > area.bottom) {
        return;
    }
    const int32_t pitch = state.gridLine + state.ballWidth + state.cellInset;
    const int32_t rowPitch = state.gridLine + state.ballHeight + state.cellInset;
    const int32_t tapX = (x - area.left) / pitch;
    const int32_t tapY = (y - area.top) / rowPitch;
    if (!onBoard(tapX, tapY)) {
        return;
    }

    const int32_t selX = state.selectedX;
    const int32_t selY = state.selectedY;
    const bool ballSelected = onBoard(selX, selY) && state.board.at(selX, selY) != EMPTY;

    if (state.board.at(tapX, tapY) != EMPTY) {
        if (ballSelected && (selX != tapX || selY != tapY)) {
            host_.screen.drawRestingBall(CellPos{selX, selY}, state.board.at(selX, selY));
            state.bounceStep = -1;
            state.bounceFrame = 9;
        }
        state.selectedX = tapX;
        state.selectedY = tapY;
        return;
    }
    if (!ballSelected) {
        return;
    }

    if (findRoute(selX, selY, tapX, tapY) == 0) {
        if (state.settings.soundOn != 0) {
            host_.screen.playSound(SoundId::Refusal);
        }
        return;
    }
    saveUndo();
    state.undoAvailable = 1;
    host_.screen.animateMove();
    state.board.at(tapX, tapY) = state.board.at(selX, selY);
    state.board.at(selX, selY) = EMPTY;
    if (!testFigures(tapX, tapY)) {
        spawnBalls();
    }
    // A board emptied by the move's burst or by the wave's leaves nothing to move: the
    // announced wave comes at once. Three balls on an empty board form no figure.
    if (boardIsEmpty()) {
        spawnBalls();
    }
    state.selectedX = -1;
    state.selectedY = -1;
}

void Game::spawnBalls() {
    takeNextColors();
    settleAppearCells();
    placeWave();
    if (state.settings.soundOn != 0) {
        host_.screen.playSound(SoundId::Appearance);
    }
    pickNextColors();
    planNextCells();  // may end this game and start the next
    host_.screen.drawNextColors();
    host_.screen.drawHints();
}

void Game::startNewGame() {
    host_.progress.newGameStarting();
    host_.clock.stopTimer(TimerId::Bounce);
    host_.clock.stopTimer(TimerId::Clock);
    state.carriedSeconds = 0;
    resetState();
    host_.screen.drawPanel();
    host_.screen.drawBoardImage();

    // The first wave lands at once, without the appearance sound; the second is announced.
    pickNextColors();
    planNextCells();
    takeNextColors();
    settleAppearCells();
    placeWave();
    pickNextColors();
    planNextCells();

    host_.screen.drawNextColors();
    host_.screen.drawHints();
    host_.screen.drawScores();
    host_.clock.startTimer(TimerId::Bounce, bouncePeriodMs(state.settings));
    host_.clock.startTimer(TimerId::Clock, kClockPeriodMs);
    state.clockStartTick = host_.clock.tickCount();
}

void Game::onNewGame() {
    startNewGame();
}

void Game::onLinesMode() {
    state.blockMode = 0;
    state.linesMode = 1;
    host_.dialogs.setRuleCheckMarks(false);
    onNewGame();
}

void Game::onBlockMode() {
    state.blockMode = 1;
    state.linesMode = 0;
    host_.dialogs.setRuleCheckMarks(true);
    onNewGame();
}

}  // namespace korvat
