// The panel, the board and the animation frames drawn from coded sheets: which sheet pixel
// lands where, and what each frame shows when its pause starts.
#include <gtest/gtest.h>

#include "FakeScreen.h"
#include "assets/Resources.h"
#include "ui/Animations.h"
#include "ui/Drawing.h"

namespace korvat::ui::test {
namespace {

struct Digits {
    int sheet;
    Area (*glyph)(int32_t digit);
    int pitch;
};
constexpr Digits kScoreGlyphs{res::kScoreDigits, scoreDigit, kScoreDigitPitch};
constexpr Digits kClockGlyphs{res::kClockDigits, clockDigit, kClockDigitPitch};

// Place k of the number holds (first + k) % 10: every place differs from its neighbours.
uint32_t rising(int first) {
    uint32_t value = 0;
    for (int k = 0; k < kNumberDigits; ++k) {
        value = value * 10 + (first + k) % 10;
    }
    return value;
}

// The number rising(first) at `at`, or zeros for a negative `first`.
void expectRising(FakeScreen& screen, const Digits& digits, Point at, int first) {
    for (int k = 0; k < kNumberDigits; ++k) {
        const int digit = first < 0 ? 0 : (first + k) % 10;
        EXPECT_TRUE(
            screen.shows({at.x + k * digits.pitch, at.y}, digits.sheet, digits.glyph(digit)))
            << "place " << k << " of " << at.x << "," << at.y << " should show " << digit;
    }
}

TEST(Panel, ImageAtItsCornerAndComingColoursOnAStripOfTheUnshiftedImage) {
    FakeScreen screen;
    drawPanel(screen.context());
    EXPECT_TRUE(screen.shows({2, 2}, res::kPanelImage, {0, 0, kPanelWidth, kPanelHeight}));
    EXPECT_EQ(pixel(screen.target(), 1, 1), kBackground);
    EXPECT_EQ(pixel(screen.target(), 237, 31), kBackground);

    const Wave wave{{3, -1, 7}, {}};  // -1 keeps the panel's background
    drawNextColors(screen.context(), wave);
    EXPECT_TRUE(screen.shows(nextIconPos(0), res::kNextBallIcons, nextIcon(3)));
    EXPECT_TRUE(screen.shows(nextIconPos(2), res::kNextBallIcons, nextIcon(7)));
    EXPECT_EQ(pixel(screen.target(), 117, 4), sheetPixel(res::kPanelImage, 117, 4));
    EXPECT_EQ(screen.presents.back(), kNextColorsStrip);
}

// Every digit in every place of the score, the best score and the clock, as the layout cuts it
// from its sheet; the gaps and the clock's colons come from the unshifted panel image.
TEST(Panel, NumbersShowEachDigitInItsPlace) {
    FakeScreen screen;
    for (int first = 0; first < 10; ++first) {
        drawScores(screen.context(), rising(9 - first), rising(first));
        drawClockDigits(screen.context(), kClockPos.x, kClockPos.y, rising(first));
        expectRising(screen, kScoreGlyphs, kScorePos, first);
        expectRising(screen, kScoreGlyphs, kBestScorePos, 9 - first);
        expectRising(screen, kClockGlyphs, kClockPos, first);
    }
    EXPECT_EQ(pixel(screen.target(), 178, 10), sheetPixel(res::kPanelImage, 178, 10));
    EXPECT_EQ(pixel(screen.target(), 110, 22), sheetPixel(res::kPanelImage, 110, 22));
    EXPECT_EQ(pixel(screen.target(), 128, 28), sheetPixel(res::kPanelImage, 128, 28));
    // Each strip runs from its top down to the panel's edge, never into the board row.
    drawNumber(screen.context(), kScorePos.x, kScorePos.y, kLargestNumber + 1);
    expectRising(screen, kScoreGlyphs, kScorePos, -1);
    EXPECT_EQ(screen.presents.back(), (Area{168, 6, 60, 23}));
}

TEST(DrawBoard, ImageWithHintsAndNoBallForCellsOfNoColour) {
    FakeScreen screen;
    Board board{};
    board.at(4, 4) = 8;  // no colour, as the 0s elsewhere: the tile stays
    board.at(5, 5) = 1000000000;
    const Wave wave{{2, 0, 6}, {{0, 8}, {0, 0}, {3, 1}}};
    drawBoard(screen.context(), board);
    // The board image at its corner, nothing outside it.
    EXPECT_TRUE(screen.shows({2, 32}, res::kBoardImage, {0, 0, 200, 200}));
    EXPECT_EQ(pixel(screen.target(), 1, 32), kBackground);
    EXPECT_EQ(pixel(screen.target(), 2, 31), kBackground);

    drawHints(screen.context(), wave);
    EXPECT_TRUE(screen.cellShows({0, 8}, 2, ballRow::kHint));
    EXPECT_TRUE(screen.cellShows({3, 1}, 6, ballRow::kHint));
    EXPECT_EQ(screen.presents.size(), 3u);  // the board and two hints
}

TEST(SingleBalls, RestingAndBounceFramesAndNothingBeyond) {
    FakeScreen screen;
    drawBounceFrame(screen.context(), {2, 7}, 4, kBounceFrames);
    drawBounceFrame(screen.context(), {2, 7}, EMPTY, 4);
    drawRestingBall(screen.context(), {2, 7}, EMPTY);
    EXPECT_TRUE(screen.blank());
    drawBounceFrame(screen.context(), {2, 7}, 4, 3);
    EXPECT_TRUE(screen.shows(cellOrigin(2, 7), res::kBounceSheet, ballSprite(4, 3)));
    drawRestingBall(screen.context(), {2, 7}, 4);
    EXPECT_TRUE(screen.cellShows({2, 7}, 4, 0));
    EXPECT_EQ(screen.presents.size(), 2u);
}

TEST(MoveFrames, TheBallWalksAndThePassedCellsComeBackHintsIncluded) {
    FakeScreen screen;
    Board board{};
    board.at(0, 0) = 4;
    const Wave hint{{2, -1, -1}, {{2, 0}, {}, {}}};
    drawBoard(screen.context(), board);
    drawHints(screen.context(), hint);

    const SurfacePtr before = beginMove(screen.context(), {0, 0});
    EXPECT_TRUE(screen.cellShows({0, 0}, 0, 0));  // the start shows empty
    drawMoveFrame(screen.context(), before.get(), {}, {1, 0}, 4);
    EXPECT_TRUE(screen.cellShows({1, 0}, 4, 0));
    drawMoveFrame(screen.context(), before.get(), {1, 0}, {2, 0}, 4);
    EXPECT_TRUE(screen.cellShows({2, 0}, 4, 0));
    const Point tile = boardCellOrigin(1, 0);
    EXPECT_TRUE(screen.shows(cellOrigin(1, 0), res::kBoardImage, {tile.x, tile.y, 21, 21}));
    drawMoveFrame(screen.context(), before.get(), {2, 0}, {2, 1}, 4);
    EXPECT_TRUE(screen.cellShows({2, 0}, 2, ballRow::kHint));
    EXPECT_TRUE(screen.cellShows({2, 1}, 4, 0));
    EXPECT_TRUE(screen.cellShows({0, 0}, 0, 0));
}

TEST(AppearFrames, GrowTheWaveRowByRow) {
    FakeScreen screen;
    const Wave wave{{2, 5, -1}, {{0, 8}, {7, 3}, {4, 4}}};
    for (int frame = 0; frame < kAppearanceFrames; ++frame) {
        drawAppearFrame(screen.context(), wave, frame);
        EXPECT_TRUE(screen.cellShows({0, 8}, 2, 3 - frame));  // rows 3, 2, 1, 0 of the sheet
        EXPECT_TRUE(screen.cellShows({7, 3}, 5, 3 - frame));
    }
    EXPECT_EQ(pixel(screen.target(), cellOrigin(4, 4).x, cellOrigin(4, 4).y), kBackground);
    EXPECT_EQ(screen.presents.size(), 8u);
}

TEST(ExplosionFrame, FigureRowsOverTheBoardAsShownAndNoCellsBeyondTheRecord) {
    FakeScreen screen;
    Board board{};
    board.at(0, 0) = 1;
    drawBoard(screen.context(), board);
    FigureRecord figure;
    figure.color = 6;
    figure.count = 1000;  // damaged: only the record's own cells count
    for (int i = 0; i < FigureRecord::kCapacity; ++i) {
        figure.cells[i] = {i < 5 ? 2 + i : -1, 4};
    }
    screen.presents.clear();
    for (int r = ballRow::kExplosionFirst; r <= ballRow::kExplosionLast; ++r) {
        drawExplosionFrame(screen.context(), figure, r);
        for (int x = 2; x < 7; ++x) {
            EXPECT_TRUE(screen.cellShows({x, 4}, 6, r)) << x << " row " << r;
        }
    }
    EXPECT_TRUE(screen.cellShows({0, 0}, 1, 0));
    EXPECT_EQ(pixel(screen.target(), 100, 20), kBackground);  // the panel's area
    EXPECT_EQ(screen.presents.size(), 5u);
}

}  // namespace
}  // namespace korvat::ui::test
