#include <gtest/gtest.h>

#include "ShellTestSupport.h"
#include "shell/BoardCursor.h"

namespace korvat::shell::testing {
namespace {

TEST(BoardCursorTest, StaysOnTheBoard) {
    BoardCursor cursor;
    cursor.move(-20, 3);
    EXPECT_EQ(cursor.cell(), (CellPos{0, 7}));
    cursor.move(100, 100);
    EXPECT_EQ(cursor.cell(), (CellPos{8, 8}));
}

TEST(BoardCursorTest, LiftingGivesBackWhatWasUnderTheFrame) {
    SDL_Surface* surface =
        SDL_CreateRGBSurfaceWithFormat(0, 240, 268, 32, SDL_PIXELFORMAT_XRGB8888);
    ASSERT_NE(surface, nullptr);
    for (int y = 0; y < 268; ++y) {
        const SDL_Rect row{0, y, 240, 1};
        SDL_FillRect(surface, &row, SDL_MapRGB(surface->format, y % 256, 7, 200));
    }
    SDL_Surface* original = SDL_DuplicateSurface(surface);
    BoardCursor cursor;
    SDL_Rect area;
    EXPECT_FALSE(cursor.drop(surface, area));  // hidden: nothing drawn
    cursor.show();
    ASSERT_TRUE(cursor.drop(surface, area));
    EXPECT_FALSE(cursor.drop(surface, area));  // already on
    const SDL_Rect whole{0, 0, 240, 268};
    EXPECT_FALSE(samePixels(original, surface, whole));
    ASSERT_TRUE(cursor.lift(surface, area));
    EXPECT_TRUE(samePixels(original, surface, whole));
    EXPECT_FALSE(cursor.lift(surface, area));
    SDL_FreeSurface(original);
    SDL_FreeSurface(surface);
}

}  // namespace
}  // namespace korvat::shell::testing
