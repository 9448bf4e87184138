// Saving the game in progress and going on from a saved one.
#include "Game.h"

namespace korvat {

namespace {

// The rules rely on every cell being EMPTY or a colour, and on one rule set in force.
bool isPlayable(const SavedGame& game) {
    const bool oneRuleSet = (game.linesMode == 1 && game.blockMode == 0) ||
                            (game.linesMode == 0 && game.blockMode == 1);
    if (!oneRuleSet) {
        return false;
    }
    for (int32_t cell : game.board.cells) {
        if (cell != EMPTY && (cell < 1 || cell > kColorCount)) {
            return false;
        }
    }
    return true;
}

}  // namespace

void Game::onSaveGame(const char* path) {
    if (!host_.files.writeSavedGame(path, savedGame())) {
        host_.dialogs.showMessage("An error has occured when writing file to disk.");
    }
}

void Game::resumeLoadedGame(const char* path) {
    host_.clock.stopTimer(TimerId::Bounce);
    SavedGame game;
    if (host_.files.readSavedGame(path, game) && isPlayable(game)) {
        state.carriedSeconds = game.seconds;
        state.score = game.score;
        state.blockMode = game.blockMode;
        state.linesMode = game.linesMode;
        state.board = game.board;
        state.clockStartTick = host_.clock.tickCount();
    } else {
        host_.dialogs.showMessage("An error has occured when reading file from disk.");
    }

    // Whatever the read achieved, play goes on with a fresh wave and no undo.
    host_.dialogs.setRuleCheckMarks(state.blockMode == 1);
    state.selectedX = -1;
    state.selectedY = -1;
    state.bounceStep = -1;
    state.bounceFrame = 9;
    state.undoAvailable = 0;
    host_.clock.startTimer(TimerId::Bounce, bouncePeriodMs(state.settings));
    pickNextColors();
    planNextCells();  // a full loaded board ends its game at once
    host_.screen.redrawAll();
}

}  // namespace korvat
