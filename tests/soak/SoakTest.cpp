// Thousands of whole games through the real main window on SDL's offscreen driver, by random
// taps on balls and empty cells: every game ends with its message and nothing piles up on the
// way (memory, open files). The rules' invariants after each move are the replay driver's check.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "ShellTestSupport.h"
#include "shell/BoardCursor.h"
#include "storage/SettingsStore.h"

namespace korvat::shell::testing {
namespace {

long residentKilobytes() {
    long pages = 0, resident = -1;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

auto openDescriptors() {
    return std::distance(std::filesystem::directory_iterator("/proc/self/fd"), {});
}

using Soak = ShellTest;

TEST_F(Soak, GamesEndCleanlyAndNothingPilesUp) {
    const char* gamesText = std::getenv("KORVAT_SOAK_GAMES");  // set per test by CTest
    const int games = gamesText != nullptr && std::atoi(gamesText) > 0 ? std::atoi(gamesText) : 200;
    storage::SettingsStore store;                              // the one the window reads at start
    storage::saveSettings(Settings{0, 0, 0, 0, 0, 0}, store);  // no waiting, no sound

    AnsweringDialogs dialogs;
    std::map<std::string, int> seen;  // the dialogs' calls, counted as they come
    MainWindow window(&dialogs);
    window.setHighScoreFile(file("top.ten"));
    window.initialise();
    const GameState& state = window.game().state;
    ASSERT_EQ(state.settings.moveDelay, 0u);
    window.onPaint();  // the first paint starts the first game

    // The taps are reproducible; the window seeds its own generator from the clock.
    std::mt19937 taps(20240607);
    auto tapAny = [&](const std::vector<CellPos>& cells) {
        const CellPos cell =
            cells[std::uniform_int_distribution<size_t>(0, cells.size() - 1)(taps)];
        const SDL_Point p = BoardCursor::tapPoint(cell);
        window.onMouseDown(p.x, p.y);
        return cell;
    };
    // Caches (bitmaps, fonts) fill during the first games; measure growth after them.
    const int warmUp = games / 10;
    long rssBefore = 0, fdsBefore = 0, movesTried = 0;
    for (int& gameOvers = seen["message: No more move!"]; gameOvers < games;) {
        if (gameOvers == warmUp && rssBefore == 0) {
            rssBefore = residentKilobytes();
            fdsBefore = openDescriptors();
        }
        std::vector<CellPos> balls, empty;
        for (int32_t i = 0; i < kCellCount; ++i) {
            const CellPos cell{i / kBoardSize, i % kBoardSize};
            (state.board.at(cell.x, cell.y) == EMPTY ? empty : balls).push_back(cell);
        }
        ASSERT_TRUE(!balls.empty() && empty.size() >= 3u) << "a game that should have ended";
        const CellPos ball = tapAny(balls);
        ASSERT_TRUE(state.selectedX == ball.x && state.selectedY == ball.y)
            << "move " << movesTried;
        window.onTimer(static_cast<int>(TimerId::Bounce));
        tapAny(empty);
        // Now and then the other things a window does between taps.
        if (++movesTried % 97 == 0)
            window.onCommand(command::kUndo);
        if (movesTried % 31 == 0) {
            window.onTimer(static_cast<int>(TimerId::Clock));
            window.onPaint();
        }
        for (const std::string& call : std::exchange(dialogs.calls, {}))
            ++seen[call];
    }

    // Each game ended with its message, a table followed each name, and nothing else came.
    EXPECT_EQ(seen["highscores"], seen["name"]);
    EXPECT_EQ(seen.size(), 3u) << "another dialog or message";
    std::printf("%d games, %ld moves tried\n", games, movesTried);
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
}  // namespace korvat::shell::testing
