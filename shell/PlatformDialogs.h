#pragma once
// The real modal windows of the main window: message boxes, the name, high-score, Options and
// About dialogs, and the file chooser for saved games.
#include <memory>

#include "assets/TextMarker.h"
#include "platform/Page.h"
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
    ~PlatformDialogs() override;

    void openMessage(const char* text, std::function<void()> done) override;
    void openPlayerName(std::function<void(const std::string&)> done) override;
    void openHighScores(Game& game, std::function<void()> done) override;
    void closeOpenDialog() override;
    void runOptions() override;
    void runAbout() override;
    std::string chooseSaveFile() override;
    std::string chooseLoadFile() override;

  private:
    // Opens a dialog of a turn over the main window; `done` once it has closed.
    void openModal(platform::Page& page, std::function<void()> done);

    storage::SettingsStore& store_;
    // Lives as long as the main window and is shown as often as asked.
    HighScoresDialog highScoresDialog_;
    // The open dialog of a turn, or null; the high-score list is not owned here.
    std::unique_ptr<platform::Page> ownedPage_;
    platform::Page* openPage_ = nullptr;
};

}  // namespace korvat::shell
