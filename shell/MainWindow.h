#pragma once
// The main window: a full-screen page that hosts the game. It forwards taps, paints, timer ticks
// and commands to the rules, plays the turns they compute, and does for them what they cannot
// do themselves: read the clock and the generator, run the timers and reach the files.
#include <SDL.h>

#include <cstdint>
#include <memory>
#include <string>
#include <utility>

#include "dist/Version.h"
#include "game/Game.h"
#include "game/GameHost.h"
#include "game/SilentHost.h"
#include "platform/Page.h"
#include "shell/BoardCursor.h"
#include "shell/DialogRunner.h"
#include "shell/TurnPlayer.h"
#include "storage/GameFiles.h"
#include "storage/SettingsStore.h"
#include "ui/Blit.h"
#include "ui/DrawContext.h"

namespace korvat::platform {
class CommandBar;
}  // namespace korvat::platform

namespace korvat::shell {

class PlatformDialogs;

// Not final: tests derive from it to give the game a fixed clock and generator.
class MainWindow : public platform::Page, public Clock, private TurnPlayer::Stage {
  public:
    // `dialogs` answers the modal windows (the real ones when null).
    explicit MainWindow(DialogRunner* dialogs = nullptr);
    ~MainWindow() override;

    // The window's initialisation: the game's start-up steps, then the menu bar.
    void initialise();

    Game& game() { return game_; }
    const TurnPlayer& player() const { return player_; }
    const BoardCursor& cursor() const { return cursor_; }
    storage::SettingsStore& settingsStore() { return store_; }
    // "top.ten" beside the program, or in the user's data folder; tests point it elsewhere.
    const std::string& highScoreFile() const { return files_.highScoreFile(); }
    void setHighScoreFile(std::string path) { files_.setHighScoreFile(std::move(path)); }

    // ---- Page ----
    const char* caption() const override { return kGameTitle; }
    void onPaint() override;
    void onMouseDown(int x, int y) override;
    bool onKeyDown(const SDL_Keysym& key) override;
    void onOK() override;
    // Closing the desktop window ends the game as the OK button does, keeping the settings.
    void onClose() override;   // settings written, window closed
    void onCancel() override;  // settings written, play goes on
    void onCommand(int command) override;
    void onTimer(int id) override;
    void onEndRequest() override;
    bool endsProgram(const SDL_Keysym& key) const override;
    platform::CommandBar* commandBar() override;

    // ---- Clock ----
    uint32_t tickCount() override;
    void seedRandom() override;
    int nextRandom() override;
    void startTimer(TimerId id, uint32_t periodMs) override;
    void stopTimer(TimerId id) override;

  private:
    // ---- TurnPlayer::Stage ----
    void showStep(const Turn& turn, const Step& step) override;
    void openDialog(const Step& step) override;
    void closeDialog() override;
    void wait(uint32_t ms) override;
    void cancelWait() override;
    void turnOver() override;

    void play(const Turn& turn);
    // The turn of a file the player chose; nothing when the chooser was cancelled.
    void playOnFile(const std::string& path, const Turn& (Game::*use)(const char*));
    void fireOwedTicks();
    ui::DrawContext drawContext();
    // Runs a drawing operation with the board cursor taken off and put back afterwards.
    template <typename Operation>
    void draw(Operation&& operation);
    void hideCursor();

    SilentProgress progress_;  // the window does not count games
    storage::SettingsStore store_;
    storage::GameFiles files_;
    Game game_;
    TurnPlayer player_;
    std::unique_ptr<PlatformDialogs> ownDialogs_;
    DialogRunner* dialogs_;
    std::unique_ptr<platform::CommandBar> commandBar_;
    BoardCursor cursor_;
    ui::SurfacePtr moveBefore_;
    // Game timer ticks that came while a turn played, owed to the game once it is over.
    bool bounceOwed_ = false;
    bool clockOwed_ = false;
    bool closeRequested_ = false;
};

}  // namespace korvat::shell
