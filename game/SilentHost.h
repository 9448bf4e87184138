#pragma once
// Roles that draw nothing, never wait, show no dialog and reach no file, with a fixed
// generator and a clock that moves a little at every reading. A host derives the roles it
// leaves out from these; the rules tests and the benchmark play with the whole silent host.
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

class SilentScreen : public Screen {
  public:
    void playSound(SoundId) override {}
    void sleepMs(uint32_t) override {}
    void redrawAll() override {}
    void drawPanel() override {}
    void drawBoardImage() override {}
    void drawNextColors() override {}
    void drawScores() override {}
    void drawClock(uint32_t) override {}
    void drawHints() override {}
    void drawRestingBall(CellPos, int32_t) override {}
    void drawBounceFrame(CellPos, int32_t, int32_t) override {}
    void drawExplosionFrame(int32_t, int32_t) override {}
    void animateMove() override {}
    void animateAppearance() override {}
};

// Every message is dismissed and every name left empty.
class SilentDialogs : public Dialogs {
  public:
    void showMessage(const char*) override {}
    void askPlayerName(char* name, size_t capacity) override {
        if (capacity > 0) {
            name[0] = '\0';
        }
    }
    void showHighScores() override {}
    void setRuleCheckMarks(bool) override {}
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

class SilentHost : public SilentClock,
                   public SilentScreen,
                   public SilentDialogs,
                   public SilentFiles,
                   public SilentProgress {
  public:
    GameHost roles() { return {*this, *this, *this, *this, *this}; }
};

}  // namespace korvat
