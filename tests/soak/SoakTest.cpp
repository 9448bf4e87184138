// Thousands of whole games through the real main window on SDL's offscreen driver: random
// legal taps, the state checked after every one, and nothing may pile up on the way (memory,
// open files).
#include <SDL.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "game/Game.h"
#include "platform/Display.h"
#include "shell/BoardCursor.h"
#include "shell/DialogRunner.h"
#include "shell/GameDialog.h"
#include "storage/SettingsStore.h"
#include "ui/Layout.h"

namespace korvat {
namespace {

// How many games one run plays; CTest sets it per test.
int gamesToPlay() {
    const char* text = std::getenv("KORVAT_SOAK_GAMES");
    const int games = text != nullptr ? std::atoi(text) : 0;
    return games > 0 ? games : 200;
}

long residentKilobytes() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::atol(line.c_str() + 6);
        }
    }
    return -1;
}

int openDescriptors() {
    namespace fs = std::filesystem;
    // Less the one of the directory being read.
    return static_cast<int>(std::distance(fs::directory_iterator("/proc/self/fd"), {})) - 1;
}

// The modal windows of the end of a game, answered at once.
class AnsweringDialogs final : public shell::DialogRunner {
  public:
    int gameOvers = 0;
    int otherMessages = 0;
    int names = 0;
    int tables = 0;

    void showMessage(const char* text) override {
        if (std::strcmp(text, "No more move!") == 0) {
            ++gameOvers;
        } else {
            ++otherMessages;
        }
    }
    std::string askPlayerName() override {
        ++names;
        return "Soak " + std::to_string(names % 100);
    }
    void showHighScores(Game& game) override {
        ++tables;
        game.reloadHighScores();
    }
    void runOptions() override {}
    void runAbout() override {}
    std::string chooseSaveFile() override { return {}; }
    std::string chooseLoadFile() override { return {}; }
};

class Soak : public ::testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/korvat-soak-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        home_ = pattern;
        setenv("HOME", home_.c_str(), 1);
        setenv("XDG_CONFIG_HOME", (home_ + "/config").c_str(), 1);
        setenv("XDG_DATA_HOME", (home_ + "/data").c_str(), 1);
        setenv("SDL_VIDEODRIVER", "offscreen", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        ASSERT_TRUE(platform::Display::instance().open("Korvat 1.2"));

        // No waiting and no sound, through the store the window reads at start.
        storage::SettingsStore store;
        Settings quick;
        quick.soundOn = 0;
        quick.jumpDelay = quick.moveDelay = quick.explosionDelay = quick.appearDelay = 0;
        storage::saveSettings(quick, store);
    }
    void TearDown() override {
        platform::Display::instance().close();
        std::error_code ignored;
        std::filesystem::remove_all(home_, ignored);
    }

    std::string home_;
};

struct Cells {
    std::vector<CellPos> balls;
    std::vector<CellPos> empty;
};

Cells sortCells(const GameState& s) {
    Cells cells;
    for (int32_t x = 0; x < kBoardSize; ++x) {
        for (int32_t y = 0; y < kBoardSize; ++y) {
            (s.board.at(x, y) == EMPTY ? cells.empty : cells.balls).push_back({x, y});
        }
    }
    return cells;
}

// What must hold between any two events; returns the first broken rule, or empty.
std::string brokenInvariant(const GameState& s) {
    for (int32_t c : s.board.cells) {
        if (c != EMPTY && (c < 1 || c > kColorCount)) {
            return "cell holds " + std::to_string(c);
        }
    }
    for (int i = 0; i < kWaveSize; ++i) {
        if (s.nextColors[i] < 1 || s.nextColors[i] > kColorCount) {
            return "coming colour " + std::to_string(s.nextColors[i]);
        }
        const CellPos& cell = s.nextCells[i];
        if (!ui::isCell(cell.x, cell.y)) {
            return "coming cell off the board";
        }
        for (int j = 0; j < i; ++j) {
            if (s.nextCells[j] == cell) {
                return "two coming balls planned for one cell";
            }
        }
    }
    const bool none = s.selectedX == -1 && s.selectedY == -1;
    if (!none && !ui::isCell(s.selectedX, s.selectedY)) {
        return "selection off the board";
    }
    return {};
}

TEST_F(Soak, GamesEndCleanlyAndNothingPilesUp) {
    const int games = gamesToPlay();
    AnsweringDialogs dialogs;
    shell::GameDialog window(&dialogs);
    window.setHighScoreFile(home_ + "/top.ten");
    window.initialise();
    const GameState& state = window.game().state;
    ASSERT_EQ(state.settings.moveDelay, 0u);
    ASSERT_EQ(state.settings.soundOn, 0u);
    window.onPaint();  // the first paint starts the first game

    // The taps are reproducible; the window seeds its own generator from the clock.
    std::mt19937 taps(20240607);
    auto pick = [&](const std::vector<CellPos>& from) {
        return from[std::uniform_int_distribution<size_t>(0, from.size() - 1)(taps)];
    };

    // Caches (bitmaps, fonts) fill during the first games; measure growth after them.
    const int warmUp = games / 10;
    long rssBefore = 0;
    int fdsBefore = 0;
    long movesTried = 0;
    while (dialogs.gameOvers < games) {
        if (dialogs.gameOvers == warmUp && rssBefore == 0) {
            rssBefore = residentKilobytes();
            fdsBefore = openDescriptors();
        }
        const Cells cells = sortCells(state);
        ASSERT_FALSE(cells.balls.empty());
        ASSERT_GE(cells.empty.size(), 3u);

        const CellPos ball = pick(cells.balls);
        const SDL_Point b = shell::BoardCursor::tapPoint(ball);
        window.onMouseDown(b.x, b.y);
        ASSERT_EQ(brokenInvariant(state), "");
        ASSERT_EQ(state.selectedX, ball.x);
        ASSERT_EQ(state.selectedY, ball.y);
        window.onTimer(static_cast<int>(TimerId::Bounce));

        const CellPos target = pick(cells.empty);
        const SDL_Point t = shell::BoardCursor::tapPoint(target);
        window.onMouseDown(t.x, t.y);
        ++movesTried;
        const std::string broken = brokenInvariant(state);
        ASSERT_EQ(broken, "") << "after move " << movesTried << " in game "
                              << dialogs.gameOvers + 1;

        // Now and then the other things a window does between taps.
        if (movesTried % 97 == 0) {
            window.onUndo();
            ASSERT_EQ(brokenInvariant(state), "");
        }
        if (movesTried % 31 == 0) {
            window.onTimer(static_cast<int>(TimerId::Clock));
            window.onPaint();
        }
    }

    EXPECT_EQ(dialogs.otherMessages, 0);
    EXPECT_EQ(dialogs.tables, dialogs.names);
    std::printf("%d games, %ld moves tried, %d names asked\n", games, movesTried, dialogs.names);

    EXPECT_EQ(openDescriptors(), fdsBefore);
#if !defined(__SANITIZE_ADDRESS__)
    // AddressSanitizer holds freed memory back on purpose; there LeakSanitizer does this job.
    // One lost client-sized surface per move would be ~250 kB; allow a few megabytes of noise.
    const long growth = residentKilobytes() - rssBefore;
    std::printf("resident memory grew by %ld kB over %d games\n", growth, games - warmUp);
    EXPECT_LT(growth, 4096);
#endif
}

}  // namespace
}  // namespace korvat
