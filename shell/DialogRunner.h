#pragma once
// The modal windows that the main window opens. The program shows the real dialogs
// (PlatformDialogs); tests answer them without a screen.
#include <functional>
#include <string>

namespace korvat {
class Game;
}

namespace korvat::shell {

class DialogRunner {
  public:
    virtual ~DialogRunner() = default;

    // The dialogs of a turn open over the main window and leave the one event loop running;
    // `done` runs once they have closed. One is open at a time.
    // A message box with the application name as caption and one OK button.
    virtual void openMessage(const char* text, std::function<void()> done) = 0;
    // The name of a player who entered the table, UTF-8, at most 15 UTF-16 units.
    virtual void openPlayerName(std::function<void(const std::string&)> done) = 0;
    // Reloads the table of `game` from its file (or the defaults) and shows it.
    virtual void openHighScores(Game& game, std::function<void()> done) = 0;
    // The program ends: the open dialog goes at once, without its `done`.
    virtual void closeOpenDialog() = 0;

    // Dialogs that run their own loop, opened when no turn is in progress.
    // Edits the settings store directly; the caller reloads the settings afterwards.
    virtual void runOptions() = 0;
    virtual void runAbout() = 0;
    // A path chosen for saving or loading a game; empty when the player cancelled.
    virtual std::string chooseSaveFile() = 0;
    virtual std::string chooseLoadFile() = 0;
};

}  // namespace korvat::shell
