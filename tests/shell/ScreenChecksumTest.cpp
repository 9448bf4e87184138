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

#include "ShellTestSupport.h"

namespace korvat::shell::testing {
namespace {

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

using ScreenChecksum = ShellTest;

TEST_F(ScreenChecksum, FirstGameAfterOneMove) {
    ScriptedDialogs dialogs;
    ScriptedWindow window(&dialogs);
    window.setHighScoreFile(file("top.ten"));
    window.initialise();

    Move move{};
    Board before{};
    SDL_Surface* screen = nullptr;
    window.run({
        [&] {
            before = window.game().state.board;
            move = findMove(window.game(), 4);
            queueTap(move.from);
            queueTap(move.to);
        },
        [&] {
            // The clock shows only once it has ticked. Tick it here, whether or not the real
            // timer has done so already; with the clock standing still it reads 0:00:00.
            window.onTimer(static_cast<int>(TimerId::Clock));
            screen = platform::Display::instance().snapshot();
        },
    });
    ASSERT_NE(screen, nullptr);
    EXPECT_TRUE(dialogs.calls.empty());

    // The move as the fixed generator lays out the first game: the second wave has come.
    const GameState& state = window.game().state;
    EXPECT_EQ(state.board.at(move.to.x, move.to.y), before.at(move.from.x, move.from.y));
    EXPECT_EQ(ballCount(state.board), 6);

    EXPECT_EQ(screen->w, platform::kScreenWidth);
    EXPECT_EQ(screen->h, platform::kScreenHeight);
    EXPECT_TRUE(sameColor(pixelAt(screen, 1, 1), {0, 0, 128, 255})) << "title bar";
    // The clock's first digit, a 0: its top stroke black, its middle white.
    EXPECT_TRUE(sameColor(pixelAt(screen, 106, 46), {0, 0, 0, 255})) << "clock";
    EXPECT_TRUE(sameColor(pixelAt(screen, 106, 48), {255, 255, 255, 255})) << "clock";
    // A resting ball covers sprite pixel (4, 10) of its cell, a hint only the middle (10, 10).
    for (int32_t x = 0; x < kBoardSize; ++x) {
        for (int32_t y = 0; y < kBoardSize; ++y) {
            bool hinted = false;
            for (const CellPos& c : state.nextCells) {
                hinted = hinted || c == CellPos{x, y};
            }
            const SDL_Point side = spritePixel({x, y}, 4, 10);
            const SDL_Point middle = spritePixel({x, y}, 10, 10);
            EXPECT_EQ(sameColor(pixelAt(screen, side.x, side.y), kTileGrey),
                      state.board.at(x, y) == EMPTY)
                << "ball at " << x << ',' << y;
            EXPECT_EQ(sameColor(pixelAt(screen, middle.x, middle.y), kTileGrey),
                      state.board.at(x, y) == EMPTY && !hinted)
                << "hint at " << x << ',' << y;
        }
    }

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
}  // namespace korvat::shell::testing
