#pragma once
// The main window: a full-screen page that hosts the game. It forwards taps, paints, timer ticks
// and commands to the rules and does for them what they cannot do themselves: draw, sleep,
// play sounds, open dialogs, read the clock and the generator, and reach the files.
#include <SDL.h>

#include <cstddef>
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
#include "storage/SettingsStore.h"
#include "ui/DrawContext.h"

namespace korvat::platform {
class CommandBar;
}  // namespace korvat::platform

namespace korvat::shell {

class PlatformDialogs;

// Not final: tests derive from it to give the game a fixed clock and generator and to count the
// animation pauses (tickCount, seedRandom, nextRandom, sleepMs).
class GameDialog : public platform::Page,
                   public Clock,
                   public Screen,
                   public Dialogs,
                   public Files {
  public:
    // `dialogs` answers the modal windows (the real ones when null).
    explicit GameDialog(DialogRunner* dialogs = nullptr);
    ~GameDialog() override;

    // The window's initialisation: the game's start-up steps, then the menu bar.
    void initialise();

    Game& game() { return game_; }
    const BoardCursor& cursor() const { return cursor_; }
    storage::SettingsStore& settingsStore() { return store_; }
    // "top.ten" beside the program, or in the user's data folder; tests point it elsewhere.
    const std::string& highScoreFile() const { return highScoreFile_; }
    void setHighScoreFile(std::string path) { highScoreFile_ = std::move(path); }

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
    bool endsProgram(const SDL_Keysym& key) const override;
    platform::CommandBar* commandBar() override;

    // ---- Command handlers ----
    void onLinesMode();
    void onBlockMode();
    void onSaveGame();
    void onLoadGame();
    void onOption();
    void onHighScores();
    void onExit();
    void onAbout();
    void onUndo();
    void onToolLoad();
    void onToolSave();
    void onNewGame();

    // ---- Clock ----
    uint32_t tickCount() override;
    void seedRandom() override;
    int nextRandom() override;
    void startTimer(TimerId id, uint32_t periodMs) override;
    void stopTimer(TimerId id) override;
    // ---- Screen ----
    void playSound(SoundId id) override;
    void sleepMs(uint32_t ms) override;
    void redrawAll() override;
    void drawPanel() override;
    void drawBoardImage() override;
    void drawNextColors() override;
    void drawScores() override;
    void drawClock(uint32_t value) override;
    void drawHints() override;
    void drawRestingBall(CellPos cell, int32_t color) override;
    void drawBounceFrame(CellPos cell, int32_t color, int32_t frame) override;
    void drawExplosionFrame(int32_t f, int32_t r) override;
    void animateMove() override;
    void animateAppearance() override;
    // ---- Dialogs ----
    void showMessage(const char* text) override;
    void askPlayerName(char* name, size_t capacity) override;
    void showHighScores() override;
    void setRuleCheckMarks(bool blockChecked) override;
    // ---- Files ----
    bool loadHighScores(HighScoreTable& table) override;
    void saveHighScores(const HighScoreTable& table) override;
    void loadSettings(Settings& settings) override;
    bool writeSavedGame(const char* path, const SavedGame& game) override;
    bool readSavedGame(const char* path, SavedGame& game) override;

  private:
    ui::DrawContext drawContext();
    // Runs a drawing operation with the board cursor taken off and put back afterwards.
    template <typename Operation>
    void draw(Operation&& operation);
    void hideCursor();
    void tapCursorCell();
    bool handleShortcut(const SDL_Keysym& key);

    SilentProgress progress_;  // the window does not count games
    Game game_;
    std::unique_ptr<PlatformDialogs> ownDialogs_;
    DialogRunner* dialogs_;
    std::unique_ptr<platform::CommandBar> commandBar_;
    storage::SettingsStore store_;
    std::string highScoreFile_;
    BoardCursor cursor_;
};

}  // namespace korvat::shell
