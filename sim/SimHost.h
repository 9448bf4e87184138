#pragma once
// The game's host without a window: injected clock, the C library's generator, no waits,
// animations that take effect at once, and one printed line for each thing the player would
// see or hear.
#include <cstdint>
#include <string>

#include "Output.h"
#include "game/Game.h"
#include "game/GameHost.h"
#include "game/SilentHost.h"

namespace korvat::sim {

class SimHost final : public SilentClock,
                      public SilentScreen,
                      public SilentDialogs,
                      public Files,
                      public Progress {
  public:
    // homeDir stands in for the program's directory; empty keeps the high-score table in
    // memory only (as if "top.ten" could be neither read nor written).
    SimHost(Output& out, std::string homeDir) : out_(out), homeDir_(std::move(homeDir)) {}

    void attach(Game& game) { game_ = &game; }
    GameHost roles() { return {*this, *this, *this, *this, *this}; }

    // Injected time: calendar seconds (what seeds the generator) and the millisecond ticks.
    uint32_t calendarSeconds = 0;
    uint32_t ticks = 0;
    // What every name dialog returns, UTF-8, already cut to fit a stored name.
    std::string playerName;

    // Games that ended, and the sum of their final scores.
    uint64_t endedGames = 0;
    uint64_t endedScoreSum = 0;

    uint32_t tickCount() override { return ticks; }
    void seedRandom() override;
    int nextRandom() override;

    void playSound(SoundId id) override;
    void drawClock(uint32_t value) override;

    void showMessage(const char* text) override;
    void askPlayerName(char* name, size_t capacity) override;
    void showHighScores() override;

    bool loadHighScores(HighScoreTable& table) override;
    void saveHighScores(const HighScoreTable& table) override;
    void loadSettings(Settings& settings) override;
    bool writeSavedGame(const char* path, const SavedGame& game) override;
    bool readSavedGame(const char* path, SavedGame& game) override;

    void newGameStarting() override;
    void gameEnded(uint32_t finalScore, bool entersTable) override;

  private:
    Output& out_;
    std::string homeDir_;
    Game* game_ = nullptr;
};

// The longest run of whole characters of a UTF-8 text that fits a stored name (15 UTF-16
// units), as UTF-8; malformed bytes become U+FFFD.
std::string cutToStoredName(const std::string& text);

}  // namespace korvat::sim
