#include "PlatformDialogs.h"

#include <utility>

#include "platform/Display.h"
#include "platform/FileChooser.h"
#include "platform/MessageBox.h"
#include "shell/AboutDialog.h"
#include "shell/OptionsDialog.h"
#include "shell/PlayerNameDialog.h"

namespace korvat::shell {

PlatformDialogs::~PlatformDialogs() {
    closeOpenDialog();
}

void PlatformDialogs::openMessage(const char* text, std::function<void()> done) {
    ownedPage_ = platform::openMessageBox(text, nullptr, [this, done = std::move(done)](int) {
        openPage_ = nullptr;
        done();
    });
    openPage_ = ownedPage_.get();
}

void PlatformDialogs::openPlayerName(std::function<void(const std::string&)> done) {
    auto dialog = std::make_unique<PlayerNameDialog>();
    dialog->create();
    PlayerNameDialog& shown = *dialog;
    ownedPage_ = std::move(dialog);
    openModal(shown, [&shown, done = std::move(done)] { done(shown.name()); });
}

void PlatformDialogs::openHighScores(Game& game, std::function<void()> done) {
    highScoresDialog_.attach(game);
    highScoresDialog_.create();
    openModal(highScoresDialog_, std::move(done));
}

void PlatformDialogs::openModal(platform::Page& page, std::function<void()> done) {
    openPage_ = &page;
    platform::Display::instance().openModal(page, [this, done = std::move(done)](int) {
        openPage_ = nullptr;
        done();
    });
}

void PlatformDialogs::closeOpenDialog() {
    if (openPage_ != nullptr) {
        platform::Display::instance().closeModal(*openPage_);
        openPage_ = nullptr;
    }
}

void PlatformDialogs::runOptions() {
    OptionsDialog(store_).runModal();
}

void PlatformDialogs::runAbout() {
    AboutDialog().runModal();
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
