#pragma once
// Everything the rules cannot do themselves, by role: the clock and the generator, the files,
// and the course of play. What the player sees and hears is not a role: the rules hand it over
// as the steps of a turn (Turn.h). The main window and the replay driver are the two hosts;
// the tests and the benchmark use the silent roles of SilentHost.h.
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
    Files& files;
    Progress& progress;
};

}  // namespace korvat
