#pragma once
// The silent host, recording what the rules ask of it, with a fixed generator and a set clock.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "game/Game.h"
#include "game/SilentHost.h"
#include "ui/Layout.h"

namespace korvat::test {

class FakeHost : public SilentHost {
  public:
    uint32_t tick = 0;

    std::vector<std::string> calls;
    uint32_t tickAfterNameDialog = 0;  // 0: the clock does not move while the dialog is open
    bool settingsStored = false;
    Settings storedSettings{};
    SavedGame toRead{};
    // The bounce timer as last started: its period and the tick it started at.
    uint32_t bouncePeriod = 0;
    uint32_t bounceStartedAt = 0;

    uint32_t tickCount() override { return tick; }
    void seedRandom() override { state_ = 1; }
    int nextRandom() override {
        state_ = state_ * 1103515245u + 12345u;
        return static_cast<int>((state_ >> 16) & 0x7FFF);
    }
    void startTimer(TimerId id, uint32_t periodMs) override {
        log("startTimer", static_cast<int>(id), periodMs);
        if (id == TimerId::Bounce) {
            bouncePeriod = periodMs;
            bounceStartedAt = tick;
        }
    }
    void stopTimer(TimerId id) override { log("stopTimer", static_cast<int>(id)); }

    void playSound(SoundId id) override { log("sound", static_cast<int>(id)); }
    void sleepMs(uint32_t ms) override { log("sleep", ms); }
    void redrawAll() override { log("redrawAll"); }
    void drawNextColors() override { log("drawNextColors"); }
    void drawScores() override { log("drawScores"); }
    void drawHints() override { log("drawHints"); }
    void drawRestingBall(CellPos cell, int32_t color) override {
        log("drawRestingBall", cell.x, cell.y, color);
    }
    void drawBounceFrame(CellPos cell, int32_t color, int32_t frame) override {
        log("drawBounceFrame", cell.x, cell.y, color, frame);
    }
    void drawExplosionFrame(int32_t f, int32_t r) override { log("drawExplosionFrame", f, r); }

    void askPlayerName(char* name, size_t capacity) override {
        log("askPlayerName");
        std::strncpy(name, "Ann", capacity);
        if (tickAfterNameDialog != 0) {
            tick = tickAfterNameDialog;
        }
    }
    void setRuleCheckMarks(bool blockChecked) override {
        log(blockChecked ? "checkMarks block" : "checkMarks lines");
    }

    void loadSettings(Settings& settings) override {
        if (settingsStored) {
            settings = storedSettings;
        }
    }
    bool readSavedGame(const char*, SavedGame& game) override {
        game = toRead;
        return true;
    }

    void gameEnded(uint32_t finalScore, bool entersTable) override {
        log("gameEnded", finalScore, entersTable);
    }

    // How many calls start with `prefix`.
    int count(const std::string& prefix) const {
        return static_cast<int>(std::ranges::count_if(
            calls, [&](const std::string& c) { return c.starts_with(prefix); }));
    }

  private:
    template <typename... Numbers>
    void log(std::string call, Numbers... numbers) {
        ((call += " " + std::to_string(numbers)), ...);
        calls.push_back(call);
    }

    uint32_t state_ = 1;
};

// A game on an empty board in Lines rules, sound on, delays as by default, the first paint done.
inline void clearBoard(Game& game) {
    game.resetState();
    game.state.newGamePending = 0;
}

inline void put(Game& game, std::initializer_list<CellPos> cells, int32_t color) {
    for (const CellPos& cell : cells) {
        game.state.board.at(cell.x, cell.y) = color;
    }
}

inline int ballCount(const Game& game) {
    return static_cast<int>(
        std::ranges::count_if(game.state.board.cells, [](int32_t c) { return c != EMPTY; }));
}

// A game on an empty board, with its recording host.
class GameTest : public ::testing::Test {
  protected:
    void SetUp() override { clearBoard(game); }

    FakeHost host;
    Game game{host.roles()};
};

// The window pixel at the middle of a cell's sprite.
inline int32_t pixelX(int32_t x) {
    return ui::cellOrigin(x, 0).x + ui::kBallWidth / 2;
}
inline int32_t pixelY(int32_t y) {
    return ui::cellOrigin(0, y).y + ui::kBallHeight / 2;
}

}  // namespace korvat::test
