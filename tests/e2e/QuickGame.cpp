#include "QuickGame.h"

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "dist/Version.h"
#include "storage/SettingsStore.h"

namespace korvat::e2e {
namespace {

namespace fs = std::filesystem;

void writeQuickSettings(const std::string& configHome, uint32_t moveDelay) {
    fs::create_directories(configHome + "/korvat");
    storage::SettingsStore store(configHome + "/korvat/korvat.conf");
    for (const char* name :
         {kJumpDelayValue, kExplosionDelayValue, kAppearDelayValue, kSoundValue}) {
        store.write(name, 0);
    }
    store.write(kMoveDelayValue, moveDelay);
}

}  // namespace

TempHome::TempHome() {
    char name[] = "/tmp/korvat-e2e-XXXXXX";
    if (mkdtemp(name) != nullptr)
        path = name;
}

TempHome::~TempHome() {
    if (!path.empty()) {
        std::error_code ignored;
        fs::remove_all(path, ignored);
    }
}

bool findMove(const BoardLook& board, Move& move) {
    static constexpr int kSteps[4][2] = {{1, 0}, {0, 1}, {-1, 0}, {0, -1}};
    for (int x = 0; x < 9; ++x) {
        for (int y = 0; y < 9; ++y) {
            if (board.cells[x][y] != CellLook::Ball)
                continue;
            for (const auto& step : kSteps) {
                const int tx = x + step[0], ty = y + step[1];
                if (tx >= 0 && ty >= 0 && tx <= 8 && ty <= 8 &&
                    board.cells[tx][ty] == CellLook::Empty) {
                    move = {x, y, tx, ty};
                    return true;
                }
            }
        }
    }
    return false;
}

bool sameCells(const BoardLook& a, const BoardLook& b) {
    return std::equal(&a.cells[0][0], &a.cells[0][0] + 81, &b.cells[0][0]);
}

bool ballMoved(const BoardLook& board, const Move& move) {
    return board.cells[move.fromX][move.fromY] != CellLook::Ball &&
           board.cells[move.toX][move.toY] == CellLook::Ball;
}

void QuickGameTest::SetUp() {
    if (!session.ready())
        GTEST_SKIP() << "no Xvfb";
    ASSERT_FALSE(home.path.empty());
    fs::copy_file(KORVAT_GAME_BINARY, program());
    writeQuickSettings(home.path + "/config", moveDelay);
    ASSERT_TRUE(session.startProgram(program(), environment(), kGameTitle));
}

std::vector<std::string> QuickGameTest::environment() const {
    return {"HOME=" + home.path, "XDG_CONFIG_HOME=" + home.path + "/config",
            "XDG_DATA_HOME=" + home.path + "/data", "SDL_AUDIODRIVER=dummy"};
}

BoardLook QuickGameTest::settledBoard() {
    BoardLook last = readBoard(session, session.screenshot());
    for (int i = 0; i < 40; ++i) {
        pause(150);
        const BoardLook now = readBoard(session, session.screenshot());
        if (sameCells(now, last) && now.count(CellLook::Ball) > 0)
            return now;
        last = now;
    }
    return last;
}

BoardLook QuickGameTest::waitForBoard(const std::function<bool(const BoardLook&)>& done) {
    BoardLook board{};
    waitUntil(5000, 100, [&] {
        board = readBoard(session, session.screenshot());
        return done(board) && done(board = settledBoard());
    });
    return board;
}

bool QuickGameTest::spriteChanges(const Screenshot& before, int x, int y) {
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

void QuickGameTest::keepShot(const char* step) const {
    if (const char* dir = std::getenv("KORVAT_E2E_SHOTS"))
        session.keepScreenshot(std::string(dir) + "/" + step + ".xwd");
}

}  // namespace korvat::e2e
