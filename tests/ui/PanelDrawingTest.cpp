#include <gtest/gtest.h>

#include "FakeScreen.h"
#include "assets/Resources.h"
#include "ui/Drawing.h"
#include "ui/Layout.h"

namespace korvat::ui::test {
namespace {

// The five digits of a number as drawn at (x, y) with the given pitch and cell width.
void expectDigits(FakeScreen& screen, int sheetId, int x, int y, const int (&digits)[5], int width,
                  int height, int pitch) {
    for (int k = 0; k < 5; ++k) {
        SCOPED_TRACE(k);
        EXPECT_TRUE(sameArea(screen.target(), x + k * pitch, y, screen.sheet(sheetId),
                             width * digits[k], 0, width, height));
    }
}

TEST(DrawNumber, ShowsFiveDigitsWithLeadingZeros) {
    FakeScreen screen;
    drawNumber(screen.context(), kScorePos.x, kScorePos.y, 7);
    expectDigits(screen, res::kScoreDigits, 168, 6, {0, 0, 0, 0, 7}, 10, 20, 12);
    EXPECT_EQ(screen.messages.size(), 0u);
    EXPECT_TRUE(screen.allSheetsReleased());
}

TEST(DrawNumber, LargestNumberAndBeyond) {
    FakeScreen screen;
    drawNumber(screen.context(), kBestScorePos.x, kBestScorePos.y, 99999);
    expectDigits(screen, res::kScoreDigits, 13, 6, {9, 9, 9, 9, 9}, 10, 20, 12);
    drawNumber(screen.context(), kBestScorePos.x, kBestScorePos.y, 100000);
    expectDigits(screen, res::kScoreDigits, 13, 6, {0, 0, 0, 0, 0}, 10, 20, 12);
    drawNumber(screen.context(), kBestScorePos.x, kBestScorePos.y, 4294967295u);
    expectDigits(screen, res::kScoreDigits, 13, 6, {0, 0, 0, 0, 0}, 10, 20, 12);
}

TEST(DrawNumber, CopiesA60PixelStripDownToThePanelEdge) {
    FakeScreen screen;
    drawNumber(screen.context(), 168, 6, 12345);
    // Gaps between digits and the rows under them come from the panel image.
    EXPECT_EQ(pixel(screen.target(), 178, 10), kWhite);
    EXPECT_EQ(pixel(screen.target(), 227, 28), kWhite);
    // Outside the strip nothing changes: not above, not right of it, not the board row.
    EXPECT_EQ(pixel(screen.target(), 168, 5), kBackground);
    EXPECT_EQ(pixel(screen.target(), 228, 10), kBackground);
    EXPECT_EQ(pixel(screen.target(), 170, 29), kBackground);
    ASSERT_EQ(screen.presents.size(), 1u);
    const SDL_Rect& shown = screen.presents[0];
    EXPECT_EQ((std::vector<int>{shown.x, shown.y, shown.w, shown.h}),
              (std::vector<int>{168, 6, 60, 23}));
}

TEST(PanelColons, StandLowerRightAfterDrawPanel) {
    FakeScreen screen;
    drawPanel(screen.context());
    for (const auto& [x, y] : {std::pair{112, 24}, {112, 27}, {130, 24}, {130, 27}}) {
        EXPECT_EQ(pixel(screen.target(), x, y), kBlack) << x << "," << y;
    }
    EXPECT_EQ(pixel(screen.target(), 110, 22), kWhite);
    EXPECT_EQ(pixel(screen.target(), 2, 2), kWhite);
    EXPECT_EQ(pixel(screen.target(), 236, 30), kWhite);
    EXPECT_EQ(pixel(screen.target(), 1, 1), kBackground);
    EXPECT_EQ(pixel(screen.target(), 237, 31), kBackground);
}

TEST(PanelColons, MoveBetweenTheClockDigitsAfterATick) {
    FakeScreen screen;
    drawPanel(screen.context());
    drawClockDigits(screen.context(), kClockPos.x, kClockPos.y, 12345);
    for (const auto& [x, y] : {std::pair{110, 22}, {110, 25}, {128, 22}, {128, 25}}) {
        EXPECT_EQ(pixel(screen.target(), x, y), kBlack) << x << "," << y;
    }
    expectDigits(screen, res::kClockDigits, 103, 20, {1, 2, 3, 4, 5}, 7, 8, 9);
    // The old colon (112, 24) is under the first minute digit now.
    EXPECT_EQ(pixel(screen.target(), 112, 24), screen.sheetPixel(res::kClockDigits, 14, 4));
    // Row 28 of the strip is panel white; (130, 27) is part of the seconds' first digit.
    EXPECT_EQ(pixel(screen.target(), 110, 28), kWhite);
}

TEST(DrawNextColors, DrawsPositiveColoursAndLeavesOtherSlotsWhite) {
    FakeScreen screen;
    GameState state;
    state.nextColors[0] = 3;
    state.nextColors[1] = -1;
    state.nextColors[2] = 7;
    drawNextColors(screen.context(), state);
    EXPECT_TRUE(
        sameArea(screen.target(), 100, 4, screen.sheet(res::kNextBallIcons), 45, 0, 15, 15));
    EXPECT_TRUE(
        sameArea(screen.target(), 134, 4, screen.sheet(res::kNextBallIcons), 105, 0, 15, 15));
    EXPECT_EQ(pixel(screen.target(), 117, 4), kWhite);
    EXPECT_EQ(pixel(screen.target(), 131, 18), kWhite);
    EXPECT_EQ(pixel(screen.target(), 150, 18), kWhite);  // strip is 51 wide
    EXPECT_EQ(pixel(screen.target(), 151, 10), kBackground);
    EXPECT_EQ(pixel(screen.target(), 100, 19), kBackground);
}

TEST(RedrawAll, DrawsPanelNumbersBoardAndHintsButNoClock) {
    FakeScreen screen;
    GameState state;
    state.settings.bestScore = 250;
    state.score = 31;
    state.board.at(4, 4) = 2;
    state.nextColors[0] = 1;
    state.nextColors[1] = 2;
    state.nextColors[2] = 3;
    state.nextCells[0] = {0, 0};
    state.nextCells[1] = {1, 0};
    state.nextCells[2] = {2, 0};
    drawClockDigits(screen.context(), kClockPos.x, kClockPos.y, 1);
    redrawAll(screen.context(), state);
    expectDigits(screen, res::kScoreDigits, 13, 6, {0, 0, 2, 5, 0}, 10, 20, 12);
    expectDigits(screen, res::kScoreDigits, 168, 6, {0, 0, 0, 3, 1}, 10, 20, 12);
    EXPECT_EQ(pixel(screen.target(), 112, 24), kBlack);  // bare panel in the clock area
    EXPECT_EQ(pixel(screen.target(), 130, 20), kWhite);
    EXPECT_EQ(pixel(screen.target(), 120, 7), screen.sheetPixel(res::kNextBallIcons, 33, 3));
    EXPECT_EQ(pixel(screen.target(), 110, 140), screen.sheetPixel(res::kBallSheet, 42 + 0, 0));
    EXPECT_EQ(pixel(screen.target(), 32, 36), screen.sheetPixel(res::kBallSheet, 42, 84));
    const std::vector<int> order{res::kPanelImage,  res::kPanelImage,  res::kNextBallIcons,
                                 res::kPanelImage,  res::kScoreDigits, res::kPanelImage,
                                 res::kScoreDigits, res::kBoardImage,  res::kBallSheet,
                                 res::kBallSheet};
    EXPECT_EQ(std::vector<int>(screen.loads.begin() + 2, screen.loads.end()), order);
    EXPECT_TRUE(screen.allSheetsReleased());
}

}  // namespace
}  // namespace korvat::ui::test
