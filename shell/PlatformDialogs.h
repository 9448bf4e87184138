#pragma once
// The real modal windows of the main window: message boxes, the name, high-score, Options and
// About dialogs, and the file chooser for saved games.
#include "assets/TextMarker.h"
#include "shell/DialogRunner.h"
#include "shell/HighScoresDialog.h"
#include "storage/SettingsStore.h"

namespace korvat::shell {

// The file chooser's single filter for saved games, translated where it is shown.
// TRANSLATORS: the file chooser's type of saved games, in about 190 pixels.
inline constexpr char kSavedGameFilter[] = N_("(Korvat  files)");
inline constexpr char kSavedGamePattern[] = "*.kvt";
inline constexpr char kSavedGameExtension[] = "kvt";

class PlatformDialogs final : public DialogRunner {
  public:
    explicit PlatformDialogs(storage::SettingsStore& store) : store_(store) {}

    void showMessage(const char* text) override;
    std::string askPlayerName() override;
    void showHighScores(Game& game) override;
    void runOptions() override;
    void runAbout() override;
    std::string chooseSaveFile() override;
    std::string chooseLoadFile() override;

  private:
    storage::SettingsStore& store_;
    // Lives as long as the main window and is shown as often as asked.
    HighScoresDialog highScoresDialog_;
};

}  // namespace korvat::shell
