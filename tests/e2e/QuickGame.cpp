#include "QuickGame.h"

#include <unistd.h>

#include <filesystem>

#include "dist/Version.h"
#include "storage/SettingsStore.h"

namespace korvat::e2e {

namespace fs = std::filesystem;

bool findMove(const BoardLook& board, Move& move, int length) {
    static constexpr int kSteps[4][2] = {{1, 0}, {0, 1}, {-1, 0}, {0, -1}};
    const auto empty = [&](int x, int y) {
        return x >= 0 && y >= 0 && x <= 8 && y <= 8 && board.cells[x][y] == CellLook::Empty;
    };
    for (int x = 0; x < 9; ++x) {
        for (int y = 0; y < 9; ++y) {
            for (const auto& [dx, dy] : kSteps) {
                int free = 0;
                while (free < length && empty(x + (free + 1) * dx, y + (free + 1) * dy))
                    ++free;
                if (board.cells[x][y] == CellLook::Ball && free == length) {
                    move = {x, y, x + length * dx, y + length * dy};
                    return true;
                }
            }
        }
    }
    return false;
}

bool ballMoved(const BoardLook& board, const Move& move) {
    return board.cells[move.fromX][move.fromY] != CellLook::Ball &&
           board.cells[move.toX][move.toY] == CellLook::Ball;
}

QuickGameTest::QuickGameTest() {
    char name[] = "/tmp/korvat-e2e-XXXXXX";
    if (mkdtemp(name) != nullptr)
        home = name;
}

QuickGameTest::~QuickGameTest() {
    std::error_code ignored;
    if (!home.empty())
        fs::remove_all(home, ignored);
}

void QuickGameTest::SetUp() {
    if (!session.ready())
        GTEST_SKIP() << "no Xvfb";
    ASSERT_FALSE(home.empty());
    fs::copy_file(KORVAT_GAME_BINARY, program());
    fs::create_directories(home + "/config/korvat");
    storage::SettingsStore store(settingsPath());
    for (const char* name : {kJumpDelayValue, kExplosionDelayValue, kAppearDelayValue, kSoundValue})
        store.write(name, 0);
    store.write(kMoveDelayValue, moveDelay);
    ASSERT_TRUE(session.startProgram(program(), environment(), kGameTitle));
}

std::vector<std::string> QuickGameTest::environment() const {
    return {"HOME=" + home, "XDG_CONFIG_HOME=" + home + "/config",
            "XDG_DATA_HOME=" + home + "/data", "SDL_AUDIODRIVER=dummy",
            "DISPLAY=" + session.displayName()};
}

BoardLook QuickGameTest::settledBoard() const {
    BoardLook last = readBoard(session, session.screenshot());
    for (int i = 0; i < 40; ++i) {
        pause(150);
        const BoardLook now = readBoard(session, session.screenshot());
        if (now.cells == last.cells && now.count(CellLook::Ball) > 0)
            return now;
        last = now;
    }
    return last;
}

BoardLook QuickGameTest::waitForBoard(const std::function<bool(const BoardLook&)>& done) const {
    BoardLook board;
    waitUntil(5000, 100, [&] {
        return done(board = readBoard(session, session.screenshot())) &&
               done(board = settledBoard());
    });
    return board;
}

bool QuickGameTest::screenInPlace(int timeoutMs) {
    return waitUntil(timeoutMs, 100,
                     [&] { return session.measureDevice() && readNumber(session, 13) == 100; });
}

bool QuickGameTest::spriteChanges(const Screenshot& before, int x, int y) const {
    return waitUntil(2000, 50, [&] {
        const Screenshot now = session.screenshot();
        for (int dy = 0; dy < 20; ++dy) {
            for (int dx = 0; dx < 20; ++dx) {
                const SDL_Point p = cellPixel(x, y, dx, dy);
                if (!(session.devicePixel(now, p.x, p.y) == session.devicePixel(before, p.x, p.y)))
                    return true;
            }
        }
        return false;
    });
}

void QuickGameTest::clickDevice(SDL_Point p) {
    session.clickDevice(p.x, p.y);
    pause(250);
}

}  // namespace korvat::e2e
