#pragma once
// The game's host without a window: injected clock, the C library's generator, no waits, turns
// played at once, and one printed line for each thing the player would see or hear.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "Output.h"
#include "game/Game.h"
#include "game/GameHost.h"
#include "game/SilentHost.h"
#include "storage/GameFiles.h"

namespace korvat::sim {

class SimHost final : public SilentClock, public Progress {
  public:
    // homeDir stands in for the program's directory; empty keeps the high-score table in
    // memory only (as if "top.ten" could be neither read nor written).
    SimHost(Output& out, const std::string& homeDir);

    GameHost roles() { return {*this, files_, *this}; }

    // Injected time: calendar seconds (what seeds the generator) and the millisecond ticks.
    uint32_t calendarSeconds = 0;
    uint32_t ticks = 0;
    // What every name dialog returns, UTF-8, already cut to fit a stored name.
    std::string playerName;

    // Games that ended, and the sum of their final scores.
    uint64_t endedGames = 0;
    uint64_t endedScoreSum = 0;

    uint32_t tickCount() override { return ticks; }
    void seedRandom() override { std::srand(calendarSeconds); }
    int nextRandom() override { return std::rand(); }

    void newGameStarting() override { out_.line("newgame"); }
    void gameEnded(uint32_t finalScore, bool) override {
        ++endedGames;
        endedScoreSum += finalScore;
    }

    // Plays `first` and every phase after it.
    void play(Game& game, const Turn& first);

  private:
    void playSteps(Game& game, const Turn& turn);

    Output& out_;
    storage::GameFiles files_;
};

// The longest run of whole characters of a UTF-8 text that fits a stored name (15 UTF-16
// units), as UTF-8; malformed bytes become U+FFFD.
std::string cutToStoredName(const std::string& text);

}  // namespace korvat::sim
