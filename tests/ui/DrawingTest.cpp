// The panel and the board drawn from coded sheets: which sheet pixel lands where.
#include <gtest/gtest.h>

#include "FakeScreen.h"
#include "assets/Resources.h"
#include "ui/Drawing.h"
#include "ui/Layout.h"

namespace korvat::ui::test {
namespace {

using res::kPanelImage;

// Five digits cut from `sheetId` (cells `width` wide) at (x, y), one every `pitch` pixels.
void expectDigits(FakeScreen& screen, int sheetId, int x, int y, const int (&digits)[5], int width,
                  int height, int pitch) {
    for (int k = 0; k < 5; ++k) {
        EXPECT_TRUE(sameArea(screen.target(), x + k * pitch, y, screen.sheet(sheetId),
                             width * digits[k], 0, width, height))
            << "digit " << k;
    }
}

TEST(Panel, NumbersClockAndComingColoursOnStripsOfTheUnshiftedPanelImage) {
    FakeScreen screen;
    drawPanel(screen.context());
    EXPECT_TRUE(sameArea(screen.target(), 2, 2, screen.sheet(kPanelImage), 0, 0, 235, 29));
    EXPECT_EQ(pixel(screen.target(), 1, 1), kBackground);
    EXPECT_EQ(pixel(screen.target(), 237, 31), kBackground);

    // Each strip runs from its top down to the panel's edge, never into the board row.
    drawNumber(screen.context(), kScorePos.x, kScorePos.y, 7);
    expectDigits(screen, res::kScoreDigits, 168, 6, {0, 0, 0, 0, 7}, 10, 20, 12);
    EXPECT_EQ(pixel(screen.target(), 178, 10), screen.sheetPixel(kPanelImage, 178, 10));
    const SDL_Rect scoreStrip{168, 6, 60, 23};
    EXPECT_TRUE(SDL_RectEquals(&screen.presents.back(), &scoreStrip));
    drawNumber(screen.context(), kBestScorePos.x, kBestScorePos.y, 100000);
    expectDigits(screen, res::kScoreDigits, 13, 6, {0, 0, 0, 0, 0}, 10, 20, 12);

    // The colons of the clock come from the same image: they move up left after a tick.
    drawClockDigits(screen.context(), kClockPos.x, kClockPos.y, 12345);
    expectDigits(screen, res::kClockDigits, 103, 20, {1, 2, 3, 4, 5}, 7, 8, 9);
    EXPECT_EQ(pixel(screen.target(), 110, 22), screen.sheetPixel(kPanelImage, 110, 22));
    EXPECT_EQ(pixel(screen.target(), 128, 28), screen.sheetPixel(kPanelImage, 128, 28));

    GameState state;
    state.nextColors[0] = 3;
    state.nextColors[1] = -1;
    state.nextColors[2] = 7;
    drawNextColors(screen.context(), state);
    SDL_Surface* icons = screen.sheet(res::kNextBallIcons);
    EXPECT_TRUE(sameArea(screen.target(), 100, 4, icons, 45, 0, 15, 15));
    EXPECT_TRUE(sameArea(screen.target(), 134, 4, icons, 105, 0, 15, 15));
    EXPECT_EQ(pixel(screen.target(), 117, 4), screen.sheetPixel(kPanelImage, 117, 4));
    const SDL_Rect iconStrip{100, 4, 51, 15};
    EXPECT_TRUE(SDL_RectEquals(&screen.presents.back(), &iconStrip));
}

TEST(DrawBoard, BallsAtRestAndHintsOnTheBoardImage) {
    FakeScreen screen;
    GameState state = emptyState();
    state.board.at(8, 8) = 5;
    state.board.at(3, 3) = 0;  // no colours: the tile stays
    state.board.at(4, 4) = 8;
    state.board.at(5, 5) = 1000000000;
    state.nextColors[0] = 2;
    state.nextColors[1] = 0;
    state.nextColors[2] = 6;
    state.nextCells[0] = {0, 8};
    state.nextCells[1] = {0, 0};
    state.nextCells[2] = {3, 1};
    drawBoard(screen.context(), state);
    EXPECT_TRUE(screen.cellShows({8, 8}, 5, 0));
    // Elsewhere the board image at (2, 32), nothing outside it.
    EXPECT_TRUE(sameArea(screen.target(), 2, 32, screen.sheet(res::kBoardImage), 0, 0, 200, 200));
    EXPECT_EQ(pixel(screen.target(), 1, 32), kBackground);
    EXPECT_EQ(pixel(screen.target(), 2, 31), kBackground);

    drawHints(screen.context(), state);
    EXPECT_TRUE(screen.cellShows({0, 8}, 2, ballRow::kHint));
    EXPECT_TRUE(screen.cellShows({3, 1}, 6, ballRow::kHint));
    EXPECT_EQ(screen.presents.size(), 3u);  // the board and two hints
}

TEST(SingleBalls, RestingAndBounceFramesAndNothingBeyond) {
    FakeScreen screen;
    drawBounceFrame(screen.context(), {2, 7}, 4, 3);
    EXPECT_TRUE(
        sameArea(screen.target(), 58, 218, screen.sheet(res::kBounceSheet), 84, 63, 21, 21));
    drawRestingBall(screen.context(), {2, 7}, 4);
    EXPECT_TRUE(screen.cellShows({2, 7}, 4, 0));
    SDL_Surface* before = SDL_DuplicateSurface(screen.target());
    drawBounceFrame(screen.context(), {2, 7}, 4, 9);
    drawBounceFrame(screen.context(), {2, 7}, EMPTY, 4);
    drawRestingBall(screen.context(), {2, 7}, EMPTY);
    EXPECT_TRUE(screen.sameAs(before));
    SDL_FreeSurface(before);
    EXPECT_EQ(screen.presents.size(), 2u);
}

}  // namespace
}  // namespace korvat::ui::test
