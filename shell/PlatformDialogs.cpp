#include "PlatformDialogs.h"

#include "platform/Display.h"
#include "platform/FileChooser.h"
#include "shell/AboutDialog.h"
#include "shell/OptionsDialog.h"
#include "shell/PlayerNameDialog.h"

namespace korvat::shell {

void PlatformDialogs::showMessage(const char* text) {
    platform::messageBox(text);
}

std::string PlatformDialogs::askPlayerName() {
    PlayerNameDialog dialog;
    dialog.runModal();
    return dialog.name();
}

void PlatformDialogs::showHighScores(Game& game) {
    highScoresDialog_.attach(game);
    highScoresDialog_.runModal();
}

void PlatformDialogs::runOptions() {
    OptionsDialog dialog(store_);
    dialog.runModal();
}

void PlatformDialogs::runAbout() {
    AboutDialog dialog;
    dialog.runModal();
}

std::string PlatformDialogs::chooseSaveFile() {
    return platform::chooseFile(platform::FileChooser::Mode::Save, kSavedGameFilter,
                                kSavedGamePattern, kSavedGameExtension);
}

std::string PlatformDialogs::chooseLoadFile() {
    return platform::chooseFile(platform::FileChooser::Mode::Open, kSavedGameFilter,
                                kSavedGamePattern, kSavedGameExtension);
}

}  // namespace korvat::shell
