// Saving the game in progress and going on from a saved one.
#include "Game.h"
#include "assets/TextMarker.h"

namespace korvat {

const Turn& Game::onSaveGame(const char* path) {
    turn_.clear();
    const SavedGame game{playSeconds(), state.score, state.rules == Rules::Block ? 1 : 0,
                         state.rules == Rules::Lines ? 1 : 0, state.board};
    if (!host_.files.writeSavedGame(path, game)) {
        turn_.add(StepKind::Message).text = N_("An error has occured when writing file to disk.");
    }
    return turn_;
}

const Turn& Game::resumeLoadedGame(const char* path) {
    turn_.clear();
    host_.clock.stopTimer(TimerId::Bounce);
    SavedGame game;
    if (host_.files.readSavedGame(path, game) && isPlayable(game)) {
        state.carriedSeconds = game.seconds;
        state.score = game.score;
        state.rules = game.blockMode == 1 ? Rules::Block : Rules::Lines;
        state.board = game.board;
        state.clockStartTick = host_.clock.tickCount();
        resumePlay();
    } else {
        turn_.add(StepKind::Message).text = N_("An error has occured when reading file from disk.");
        push(Phase::ResumePlay);
    }
    return turn_;
}

void Game::resumePlay() {
    // Whatever the read achieved, play goes on with a fresh wave and no undo.
    turn_.add(StepKind::RuleMarks).block = state.rules == Rules::Block;
    deselect();
    restBounce();
    state.undoAvailable = false;
    host_.clock.startTimer(TimerId::Bounce, bouncePeriodMs(state.settings));
    pickNextColors();
    push(Phase::RedrawAll);
    if (!planNextCells()) {
        endGame();  // a full loaded board ends its game at once
    }
}

}  // namespace korvat
