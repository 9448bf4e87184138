// The end of a game: the message, the best score, the high-score entry, the next game.
#include "Game.h"
#include "Utf16Name.h"

namespace korvat {

namespace {

// Room for 15 UTF-16 units typed as UTF-8 (at most three bytes each) and the final zero.
constexpr size_t kNameBytes = 64;

}  // namespace

void Game::endGame() {
    const uint32_t finalScore = state.score;
    const bool entersTable = finalScore >= highScores.lowest;
    host_.progress.gameEnded(finalScore, entersTable);
    host_.dialogs.showMessage("No more move!");
    if (finalScore > state.settings.bestScore) {
        state.settings.bestScore = finalScore;
    }
    if (entersTable) {
        char typed[kNameBytes] = {};
        host_.dialogs.askPlayerName(typed, sizeof typed);
        typed[kNameBytes - 1] = '\0';
        char16_t name[kNameMaxChars + 1] = {};
        utf8ToUtf16Name(typed, name, kNameMaxChars);
        // Taken after the dialog: the time spent typing the name counts.
        const uint32_t seconds = playSeconds();
        insertHighScore(highScores, name, finalScore, seconds / 3600, (seconds % 3600) / 60,
                        seconds % 60);
        host_.files.saveHighScores(highScores);
        host_.dialogs.showHighScores();
    }
    startNewGame();
}

}  // namespace korvat
