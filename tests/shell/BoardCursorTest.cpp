#include <gtest/gtest.h>

#include "ShellTestSupport.h"
#include "shell/BoardCursor.h"

namespace korvat::shell {
namespace {

TEST(BoardCursorTest, FrameLiesInsideTheTileAndTapsLandOnTheCell) {
    EXPECT_EQ(BoardCursor::frameRect({0, 0}).x, 3);  // tile at (2, 32), offsets 1..24
    EXPECT_EQ(BoardCursor::frameRect({0, 0}).y, 33);
    EXPECT_EQ(BoardCursor::frameRect({8, 8}).x + BoardCursor::frameRect({8, 8}).w, 2 + 26 * 8 + 25);
    for (int x = 0; x < 9; ++x) {
        const SDL_Point p = BoardCursor::tapPoint({x, 8 - x});
        EXPECT_EQ((p.x - 2) / 26, x);
        EXPECT_EQ((p.y - 32) / 26, 8 - x);
    }
}

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
    EXPECT_FALSE(testing::samePixels(original, whole, surface, whole));
    ASSERT_TRUE(cursor.lift(surface, area));
    EXPECT_TRUE(testing::samePixels(original, whole, surface, whole));
    EXPECT_FALSE(cursor.lift(surface, area));
    SDL_FreeSurface(original);
    SDL_FreeSurface(surface);
}

}  // namespace
}  // namespace korvat::shell
