// The device screen after the first game's first paint and one fixed move, with a fixed clock
// and generator, pinned by a checksum and a few named pixel facts.
//
// After an intended change of the artwork, the fonts or the layout, run
//   KORVAT_SCREEN_BMP=/tmp/screen.bmp ctest -R ScreenChecksum --output-on-failure
// look at /tmp/screen.bmp, and if it is right put the checksum the failure prints into
// kExpectedScreen. The named facts below should still hold; if one fails, the picture is wrong.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "ScriptedWindow.h"
#include "ShellTestSupport.h"
#include "platform/Display.h"

namespace korvat::shell {
namespace {

using testing::describe;
using testing::pixelAt;
using testing::sameColor;
using testing::ScriptedWindow;
using testing::spritePixel;

constexpr uint32_t kExpectedScreen = 0x06CD5B5D;

// FNV-1a over the R, G, B bytes of every pixel, row by row.
uint32_t screenChecksum(SDL_Surface* screen) {
    uint32_t hash = 2166136261u;
    for (int y = 0; y < screen->h; ++y) {
        for (int x = 0; x < screen->w; ++x) {
            const SDL_Color c = pixelAt(screen, x, y);
            for (const uint8_t byte : {c.r, c.g, c.b}) {
                hash = (hash ^ byte) * 16777619u;
            }
        }
    }
    return hash;
}

TEST(ScreenChecksum, FirstGameAfterOneMove) {
    ASSERT_TRUE(testing::openOffscreenDisplay());
    testing::TempFolder home;
    testing::useHome(home);
    testing::ScriptedDialogs dialogs;
    ScriptedWindow window(&dialogs);
    window.setHighScoreFile(home.file("top.ten"));
    window.initialise();

    testing::Move move{};
    Board before{};
    SDL_Surface* screen = nullptr;
    window.run({
        [&] {
            before = window.game().state.board;
            move = testing::findMove(window.game(), 4);
            testing::queueTap(move.from);
            testing::queueTap(move.to);
        },
        [&] {
            // The clock shows only once it has ticked. Tick it here, whether or not the real
            // timer has done so already; with the clock standing still it reads 0:00:00.
            window.onTimer(static_cast<int>(TimerId::Clock));
            screen = platform::Display::instance().snapshot();
        },
    });
    ASSERT_FALSE(window.stoppedByWatchdog());
    ASSERT_NE(screen, nullptr);
    EXPECT_TRUE(dialogs.calls.empty());

    // The move as the fixed generator lays out the first game.
    const GameState& state = window.game().state;
    ASSERT_EQ(testing::ballCount(before), 3);
    EXPECT_EQ(state.board.at(move.to.x, move.to.y), before.at(move.from.x, move.from.y));
    EXPECT_EQ(state.board.at(move.from.x, move.from.y), EMPTY);
    EXPECT_EQ(testing::ballCount(state.board), 6) << "the second wave has come";
    EXPECT_EQ(state.score, 0u);

    EXPECT_EQ(screen->w, platform::kScreenWidth);
    EXPECT_EQ(screen->h, platform::kScreenHeight);
    const SDL_Color navy{0, 0, 128, 255};
    EXPECT_TRUE(sameColor(pixelAt(screen, 1, 1), navy)) << "title bar";
    // The clock's first digit, a 0: its top stroke black, its middle white.
    EXPECT_TRUE(sameColor(pixelAt(screen, 106, 46), SDL_Color{0, 0, 0, 255})) << "clock";
    EXPECT_TRUE(sameColor(pixelAt(screen, 106, 48), SDL_Color{255, 255, 255, 255})) << "clock";

    // Every cell shows what the board holds: a resting ball covers sprite pixel (4, 10), a hint
    // only the middle of a grey tile.
    for (int32_t x = 0; x < kBoardSize; ++x) {
        for (int32_t y = 0; y < kBoardSize; ++y) {
            const CellPos cell{x, y};
            bool hinted = false;
            for (const CellPos& c : state.nextCells) {
                hinted = hinted || c == cell;
            }
            const SDL_Point side = spritePixel(cell, 4, 10);
            const SDL_Point middle = spritePixel(cell, 10, 10);
            const SDL_Color atSide = pixelAt(screen, side.x, side.y);
            const SDL_Color atMiddle = pixelAt(screen, middle.x, middle.y);
            if (state.board.at(x, y) != EMPTY) {
                EXPECT_FALSE(sameColor(atSide, testing::kTileGrey))
                    << "ball missing at " << x << ',' << y;
            } else {
                EXPECT_TRUE(sameColor(atSide, testing::kTileGrey))
                    << "cell " << x << ',' << y << " shows " << describe(atSide);
                EXPECT_EQ(sameColor(atMiddle, testing::kTileGrey), !hinted)
                    << "hint at " << x << ',' << y << ": " << describe(atMiddle);
            }
        }
    }
    // The moved ball looks as it did before it left.
    const SDL_Point arrived = spritePixel(move.to, 10, 10);
    EXPECT_FALSE(sameColor(pixelAt(screen, arrived.x, arrived.y), testing::kTileGrey));

    const uint32_t checksum = screenChecksum(screen);
    char shown[16];
    std::snprintf(shown, sizeof shown, "0x%08X", checksum);
    EXPECT_EQ(checksum, kExpectedScreen)
        << "screen checksum " << shown << " (move " << move.from.x << ',' << move.from.y << " -> "
        << move.to.x << ',' << move.to.y << "); see the top of this file";
    if (const char* out = std::getenv("KORVAT_SCREEN_BMP"); out != nullptr && out[0] != '\0') {
        SDL_SaveBMP(screen, out);
    }
    SDL_FreeSurface(screen);
}

}  // namespace
}  // namespace korvat::shell
