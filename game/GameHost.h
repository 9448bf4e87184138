#pragma once
// Everything the rules cannot do themselves, by role: the clock and the generator, what the
// player sees and hears, the dialogs, the files. A host implements the roles it uses and lends
// the silent ones (SilentHost.h) for the rest. The main window and the replay driver are the
// two hosts; the tests and the benchmark use the silent one.
#include <cstddef>
#include <cstdint>

#include "HighScoreTable.h"
#include "SavedGame.h"
#include "Settings.h"
#include "Types.h"

namespace korvat {

// The clock, the generator and the window timers.
class Clock {
  public:
    // seedRandom seeds with the calendar time in whole seconds.
    virtual uint32_t tickCount() = 0;
    virtual void seedRandom() = 0;
    virtual int nextRandom() = 0;  // 0 .. RAND_MAX, as rand()
    // Ticks come back through Game::onTimer.
    virtual void startTimer(TimerId id, uint32_t periodMs) = 0;
    virtual void stopTimer(TimerId id) = 0;

  protected:
    ~Clock() = default;
};

// Drawing, animations and their pauses, and sounds. Each drawing operation reads the game
// state and draws at once.
class Screen {
  public:
    // The rules have already checked the sound switch.
    virtual void playSound(SoundId id) = 0;
    virtual void sleepMs(uint32_t ms) = 0;

    virtual void redrawAll() = 0;
    virtual void drawPanel() = 0;
    virtual void drawBoardImage() = 0;
    virtual void drawNextColors() = 0;
    // The best score and the score, at their places on the panel.
    virtual void drawScores() = 0;
    // The clock's hours, minutes and seconds as one number, hhmmss.
    virtual void drawClock(uint32_t value) = 0;
    virtual void drawHints() = 0;
    // A previously selected ball comes to rest (ball sheet row 0).
    virtual void drawRestingBall(CellPos cell, int32_t color) = 0;
    // Bounce sheet row `frame` (0..8) of `color` at the cell.
    virtual void drawBounceFrame(CellPos cell, int32_t color, int32_t frame) = 0;
    // Ball sheet row r of figures[f] on every cell of that figure.
    virtual void drawExplosionFrame(int32_t f, int32_t r) = 0;
    // Walks the ball along `route` with the move delay; the rules move it on the board afterwards.
    virtual void animateMove() = 0;
    // Grows appearColors on appearCells with the appear delay; the rules then write the board.
    virtual void animateAppearance() = 0;

  protected:
    ~Screen() = default;
};

// Modal dialogs and the menu's check marks.
class Dialogs {
  public:
    virtual void showMessage(const char* text) = 0;
    // The player-name dialog: UTF-8 into name (capacity bytes with the final zero).
    virtual void askPlayerName(char* name, size_t capacity) = 0;
    // The high-scores dialog; it reloads the table (Game::reloadHighScores) when it opens.
    virtual void showHighScores() = 0;
    virtual void setRuleCheckMarks(bool blockChecked) = 0;

  protected:
    ~Dialogs() = default;
};

// The high-score file, the settings store and saved games.
class Files {
  public:
    virtual bool loadHighScores(HighScoreTable& table) = 0;
    virtual void saveHighScores(const HighScoreTable& table) = 0;
    virtual void loadSettings(Settings& settings) = 0;
    virtual bool writeSavedGame(const char* path, const SavedGame& game) = 0;
    // False for a file that cannot be opened or is not a valid 340-byte record; `game` is then
    // left as it was.
    virtual bool readSavedGame(const char* path, SavedGame& game) = 0;

  protected:
    ~Files() = default;
};

// The course of play, for hosts that count or report games; the window has no use for it.
class Progress {
  public:
    virtual void newGameStarting() = 0;
    // A game has ended with its final score, which may enter the high-score table.
    virtual void gameEnded(uint32_t finalScore, bool entersTable) = 0;

  protected:
    ~Progress() = default;
};

// The roles a game is played with.
struct GameHost {
    Clock& clock;
    Screen& screen;
    Dialogs& dialogs;
    Files& files;
    Progress& progress;
};

}  // namespace korvat
