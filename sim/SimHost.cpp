#include "SimHost.h"

#include <cstdio>

#include "game/Utf16Name.h"
#include "storage/HighScoreFile.h"
#include "ui/Layout.h"

namespace korvat::sim {

SimHost::SimHost(Output& out, const std::string& homeDir)
    : out_(out),
      files_(homeDir.empty() ? std::string() : storage::highScorePath(homeDir), nullptr) {}

void SimHost::play(Game& game, const Turn& first) {
    playSteps(game, first);
    while (game.turnPending()) {
        playSteps(game, game.continueTurn());
    }
}

void SimHost::playSteps(Game& game, const Turn& turn) {
    for (int32_t i = 0; i < turn.stepCount; ++i) {
        const Step& step = turn.steps[i];
        // Random games print nothing: only the dialogs' answers matter to them.
        if (!out_.enabled() && !isDialog(step.kind)) {
            continue;
        }
        switch (step.kind) {
            case StepKind::Sound:
                out_.line("sound " + std::to_string(static_cast<int32_t>(step.sound)));
                break;
            case StepKind::Clock: {
                // As the digits show it.
                char text[16];
                std::snprintf(text, sizeof text, "clock %05u", ui::shownNumber(step.clock));
                out_.line(text);
                break;
            }
            case StepKind::Message:
                out_.line(std::string("message ") + step.text);
                break;
            case StepKind::NameDialog:
                out_.line("namedialog");
                game.enterName(playerName.c_str());
                break;
            case StepKind::HighScores:
                out_.line("highscores");
                game.reloadHighScores();
                break;
            default:
                break;
        }
    }
}

std::string cutToStoredName(const std::string& text) {
    char16_t units[kNameMaxChars + 1];
    const int count = utf8ToUtf16Name(text.c_str(), units, kNameMaxChars);
    char utf8[kNameMaxChars * 3 + 1];
    utf16ToUtf8(units, count, utf8, sizeof utf8);
    return utf8;
}

}  // namespace korvat::sim
