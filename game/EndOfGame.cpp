// The end of a game: the message, the best score, the high-score entry, the next game.
#include <cstring>

#include "Game.h"
#include "Utf16Name.h"
#include "assets/TextMarker.h"

namespace korvat {

void Game::endGame() {
    state.endedScore = state.score;
    state.entersTable = state.endedScore >= highScores.lowest;
    host_.progress.gameEnded(state.endedScore, state.entersTable);
    turn_.add(StepKind::Message).text = N_("No more move!");
    push(Phase::AfterEndMessage);
}

void Game::afterEndMessage() {
    if (state.endedScore > state.settings.bestScore) {
        state.settings.bestScore = state.endedScore;
    }
    if (!state.entersTable) {
        startGame();
        return;
    }
    state.typedName[0] = '\0';
    turn_.add(StepKind::NameDialog);
    push(Phase::EnterHighScore);
}

void Game::enterName(const char* utf8) {
    copyUtf8(utf8, std::strlen(utf8), state.typedName, sizeof state.typedName);
}

void Game::enterHighScore() {
    char16_t name[kNameMaxChars + 1] = {};
    utf8ToUtf16Name(state.typedName, name, kNameMaxChars);
    // Taken after the dialog: the time spent typing the name counts.
    const uint32_t seconds = playSeconds();
    insertHighScore(highScores, name, state.endedScore, seconds / 3600, (seconds % 3600) / 60,
                    seconds % 60);
    host_.files.saveHighScores(highScores);
    turn_.add(StepKind::HighScores);
    push(Phase::StartGame);
}

}  // namespace korvat
