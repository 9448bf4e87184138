#pragma once
// The game started for a test as a player would find it: in a home folder of its own with all
// delays 0 (or a chosen move delay) and no sound, on a 1024 x 768 private X server.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "../storage/TempFolder.h"
#include "GameScreen.h"
#include "dist/Version.h"
#include "storage/SavedGameFile.h"
#include "storage/SettingsStore.h"

namespace korvat::e2e {

struct Move {
    int fromX = 0, fromY = 0, toX = 0, toY = 0;
};

// A ball with `length` free cells in a row beside it, none of them announced for a coming ball.
inline bool findMove(const BoardLook& board, Move& move, int length = 1) {
    const auto shows = [&](int x, int y, CellLook look) {
        return x >= 0 && y >= 0 && x <= 8 && y <= 8 && board.cells[x][y] == look;
    };
    for (int cell = 0; cell < 81; ++cell) {
        const int x = cell / 9, y = cell % 9;
        for (const auto [dx, dy] : {SDL_Point{1, 0}, {0, 1}, {-1, 0}, {0, -1}}) {
            bool free = shows(x, y, CellLook::Ball);
            for (int k = 1; k <= length; ++k)
                free = free && shows(x + k * dx, y + k * dy, CellLook::Empty);
            if (free) {
                move = {x, y, x + length * dx, y + length * dy};
                return true;
            }
        }
    }
    return false;
}

// The ball stands on the target; the cell it left may show a hint of the next wave.
inline bool ballMoved(const BoardLook& board, const Move& move) {
    return board.cells[move.fromX][move.fromY] != CellLook::Ball &&
           board.cells[move.toX][move.toY] == CellLook::Ball;
}

class QuickGameTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!session.ready())
            GTEST_SKIP() << "no Xvfb";
        std::filesystem::copy_file(KORVAT_GAME_BINARY, program());
        storage::SettingsStore store(settingsPath());
        for (const char* name :
             {kJumpDelayValue, kExplosionDelayValue, kAppearDelayValue, kSoundValue})
            store.write(name, 0);
        store.write(kMoveDelayValue, moveDelay);
        ASSERT_TRUE(session.startProgram(program(), environment(), kGameTitle));
    }

    std::vector<std::string> environment() const {
        std::vector<std::string> variables = homeEnvironment(home);
        variables.push_back("DISPLAY=" + session.displayName());
        variables.insert(variables.end(), language.begin(), language.end());
        return variables;
    }
    std::string program() const { return home + "/korvat"; }
    std::string settingsPath() const { return home + "/config/korvat/korvat.conf"; }

    // The board once two reads a moment apart agree, show balls and satisfy `done` (up to 6 s:
    // a busy machine may leave the old board on the screen; else the last board read).
    BoardLook settledBoard(const std::function<bool(const BoardLook&)>& done = nullptr) const {
        BoardLook last = readBoard(session, session.screenshot());
        for (int i = 0; i < 40; ++i) {
            pause(150);
            const BoardLook now = readBoard(session, session.screenshot());
            if (now.cells == last.cells && now.count(CellLook::Ball) > 0 && (!done || done(now)))
                return now;
            last = now;
        }
        return last;
    }
    // The best score (100) read in place within timeoutMs: the whole screen at its whole scale.
    bool screenInPlace(int timeoutMs) {
        return waitUntil(timeoutMs, 100,
                         [&] { return session.measureDevice() && showsNumber(session, 13, 100); });
    }
    // Whether the middle column of cell (x, y)'s sprite changes from `before` within 2 s: a bounce.
    bool spriteChanges(const Screenshot& before, int x, int y) const {
        return waitUntil(2000, 50, [&] {
            const Screenshot now = session.screenshot();
            for (int dy = 0; dy < 20; ++dy) {
                const SDL_Point p = cellPixel(x, y, 10, dy);
                if (session.devicePixel(now, p.x, p.y) != session.devicePixel(before, p.x, p.y))
                    return true;
            }
            return false;
        });
    }
    // Acts until `done` holds, three times at most: a busy machine can lose a click or a key.
    static bool retry(const std::function<void()>& act, const std::function<bool()>& done) {
        for (int attempt = 0; attempt < 3; ++attempt) {
            act();
            if (done())
                return true;
        }
        return false;
    }
    void clickDevice(SDL_Point p) {
        session.clickDevice(p.x, p.y);
        pause(250);
    }
    void clickCell(int x, int y) { clickDevice(cellPixel(x, y)); }
    // Types `name` into the open file chooser, which starts in the home folder, and takes it.
    void enterFileName(const std::string& name) {
        session.run("xdotool type --delay 20 " + name);
        session.key("Return");
        pause(500);
    }
    // Saves full.kvt: a score of 150 and two free cells with no line anywhere, so that loading
    // it leaves no room for the next wave.
    bool saveFullGame() const {
        SavedGame full{0, 150, 0, 1};
        for (int cell = 0; cell < 81; ++cell)
            full.board.cells[cell] = 1 + (cell / 9 + 2 * cell) % 4;
        full.board.cells[40] = full.board.cells[80] = EMPTY;
        return storage::saveGameToFile(home + "/full.kvt", full);
    }

    uint32_t moveDelay = 0;                    // set before SetUp
    std::vector<std::string> language;         // locale variables, set before SetUp
    const korvat::testing::TempFolder folder;  // removed after the session stopped the game
    const std::string& home = folder.path;
    XvfbSession session{1024, 768};
};

}  // namespace korvat::e2e
