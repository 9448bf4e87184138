#pragma once
// Roles that never wait and reach no file, with a fixed generator and a clock that moves a
// little at every reading. A host derives the roles it leaves out from these; the rules tests
// and the benchmark play with the whole silent host.
#include "Game.h"
#include "GameHost.h"

namespace korvat {

class SilentClock : public Clock {
  public:
    uint32_t tickCount() override { return tick_ += 7; }
    void seedRandom() override {}
    int nextRandom() override {  // xorshift, 15 bits like rand()
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return static_cast<int>(state_ & 0x7FFF);
    }
    void startTimer(TimerId, uint32_t) override {}
    void stopTimer(TimerId) override {}

  private:
    uint32_t tick_ = 0;
    uint32_t state_ = 2463534242u;
};

// As on a first run with nowhere to write: no table, no stored settings, no saved game, and
// writes that seem to succeed.
class SilentFiles : public Files {
  public:
    bool loadHighScores(HighScoreTable&) override { return false; }
    void saveHighScores(const HighScoreTable&) override {}
    void loadSettings(Settings&) override {}
    bool writeSavedGame(const char*, const SavedGame&) override { return true; }
    bool readSavedGame(const char*, SavedGame&) override { return false; }
};

class SilentProgress : public Progress {
  public:
    void newGameStarting() override {}
    void gameEnded(uint32_t, bool) override {}
};

class SilentHost : public SilentClock, public SilentFiles, public SilentProgress {
  public:
    GameHost roles() { return {*this, *this, *this}; }
};

// Plays a turn to its end with nothing shown: every message dismissed, every name left empty.
inline void finishTurn(Game& game) {
    while (game.turnPending()) {
        game.continueTurn();
    }
}

}  // namespace korvat
