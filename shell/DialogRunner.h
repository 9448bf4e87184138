#pragma once
// The modal windows that the main window opens. The program shows the real dialogs
// (PlatformDialogs); tests answer them without a screen.
#include <string>

namespace korvat {
class Game;
}

namespace korvat::shell {

class DialogRunner {
  public:
    virtual ~DialogRunner() = default;

    // Message box with the application name as caption and one OK button.
    virtual void showMessage(const char* text) = 0;
    // The name of a player who entered the table, UTF-8, at most 15 UTF-16 units.
    virtual std::string askPlayerName() = 0;
    // Reloads the table of `game` from its file (or the defaults) and shows it.
    virtual void showHighScores(Game& game) = 0;
    // Edits the settings store directly; the caller reloads the settings afterwards.
    virtual void runOptions() = 0;
    virtual void runAbout() = 0;
    // A path chosen for saving or loading a game; empty when the player cancelled.
    virtual std::string chooseSaveFile() = 0;
    virtual std::string chooseLoadFile() = 0;
};

}  // namespace korvat::shell
